// The catalogue's rules: names, aisles, categories, coupons, merge files, text exports.
#include "catalogue/CategoryRules.h"
#include "catalogue/CommonProductData.h"
#include "catalogue/CouponRules.h"
#include "catalogue/MergeRules.h"
#include "catalogue/ProductDeletion.h"
#include "catalogue/ProductRules.h"
#include "catalogue/ProductText.h"
#include "catalogue/TextExportRules.h"
#include "data/FileFaults.h"
#include "model/SharedState.h"
#include "support/Fixtures.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

using namespace catalogue;
using data::ProductRecord;
using data::recordsFromBytes;
using data::ShoppingItemRecord;
using Outcome = ExportName::Outcome;

TEST(ProductRules, NamesAislesAndTheSavedRecordForBothSavePaths)
{
    const std::pair<QString, QString> names[] = {
        {"McVITIE's  digestive", "McVITIE's  Digestive"}, {" élan vital", " Élan Vital"}, {"a-b c.d", "A-b C.d"}};
    for (const auto& [typed, shown] : names)
        EXPECT_EQ(CapitalizeWords(typed), shown) << typed.toStdString();
    const std::pair<QString, QString> aisles[] = {{"3", "03.00"},   {"2.1", "02.10"},  {"12.25", "12.25"},
                                                  {" 1 ", "01.00"}, {"123", "123.00"}, {"1a", ""}};
    for (const auto& [typed, shown] : aisles)
        EXPECT_EQ(formatAisle(typed), shown) << typed.toStdString();

    const std::tuple<EditorFields, bool, QString> cases[] = {
        {{"Milk", "2.50", "Dairy", "01.00"}, true, "01.00 Dairy"},
        {{"Milk", "2.50", "Dairy", "01.00"}, false, "Dairy"},
        {{"Milk", "2.50", "  ", "01.00"}, true, "Miscellaneous"},
        {{"Peas", ".00", " Frozen ", "12.50"}, true, "12.50 Frozen"},
        {{"Peas", ".00", "Frozen Vegetables In Bags", "12.50"}, true, "12.50 Frozen Vegetables I"},
        {{"Peas", ".00", "Frozen", "  "}, true, "Frozen"}};
    for (const auto& [fields, withAisle, category] : cases)
        EXPECT_EQ(buildProduct(fields, withAisle).get(ProductRecord::category).trimmed(), category);
    // The price as it stands, fitted to its field as numbers are (see their test); the spare fields stay unwritten.
    EXPECT_EQ(buildProduct({"  Frozen Peas ", "1234.50", "Frozen", "", true, false}, true),
              product("Frozen Peas", "1234.5", "Frozen", true));
}

TEST(ProductRules, EditorCategoriesFieldsNeverWrittenAndTheNewProductsItem)
{
    // A merge file from another program: the name written, price and category never.
    ProductRecord merged;
    merged.set(ProductRecord::item, u"Eggs");
    const std::vector products{product("a", "", "Dairy"),
                               product("b", "", "dairy"),
                               product("c", "", " Dairy "),
                               product("d", "", "01.00 Deli"),
                               product("e", "", ""),
                               product("f", "", "Bakery"),
                               merged};
    EXPECT_EQ(editorCategories(bytesOf(products)), (QStringList{"01.00 Deli", "Bakery", "Dairy", "dairy"}))
        << "exact, distinct, by code; none from an empty or unwritten field";
    EXPECT_EQ(merged.text(ProductRecord::price), "") << "what the price box is given";
    // Saved back from the boxes as they were offered.
    const ProductRecord saved = buildProduct({merged.text(ProductRecord::item), merged.text(ProductRecord::price),
                                              merged.get(ProductRecord::category), "", false, false},
                                             false);
    EXPECT_EQ(saved.text(ProductRecord::category), "Miscellaneous");
    EXPECT_EQ(saved.get(ProductRecord::price), QString(6, ' '));

    const std::tuple<QString, QString, QString> cases[] = {
        {"1.25", "2", "2.50"}, {".00", "3", ".00"}, {"333.33", "3", "999.99"}, {"500", "4", "2000.0"}};
    for (const auto& [price, quantity, total] : cases)
        EXPECT_EQ(editorShoppingItem(product("Jam", price, "Spreads"), quantity),
                  listItem("Jam", total, quantity, "Spreads"));
    EXPECT_EQ(editorShoppingItem(product("Jam", "1.25"), "1.25"), std::nullopt);
    // No price is rounded to fit: 2999.97 would be stored 3000.0, 2346.7488 as 2346.7.
    for (const auto& [price, quantity] : {std::pair{"9999.9", "200"}, {"999.99", "3"}, {"2.4992", "939"}}) {
        QString refusal;
        EXPECT_EQ(editorShoppingItem(product("Jam", price), quantity, &refusal), std::nullopt) << price;
        EXPECT_TRUE(refusal.endsWith("The largest price with cents is 999.99.")) << refusal.toStdString();
    }
}

TEST(ProductDeletion, PerItemAnswersAndTheDefaultFileAndCategoryRenamesChangingBothFilesOrNeither)
{
    ProductRecord withSpares = product("Bread", "2.00", "Bakery");
    withSpares.set(ProductRecord::spare1, u"old notes");
    const std::vector products{product("Milk", "2.49", "Dairy", true), withSpares, product("Eggs"),
                               product("Jam", "3.10"), product("Tea")};
    QStringList asked;
    const auto kept = recordsFromBytes<ProductRecord>(
        keepAfterDeletion(bytesOf(products), {4, 1, 3}, [&asked](const ProductRecord& p) {
            asked << p.text(ProductRecord::item);
            return p.text(ProductRecord::item) != "Eggs";
        }));
    EXPECT_EQ(asked, (QStringList{"Milk", "Eggs", "Jam"})) << "asked in file order";
    EXPECT_EQ(kept, (std::vector{product("Bread", "2.00", "Bakery"), products[2], products[4]}))
        << "rebuilt from the five known fields";

    EXPECT_TRUE(keepAfterDeletion(bytesOf(products), {1, 2, 3, 4, 5}).isEmpty());
    const QByteArray plain = bytesOf(std::vector{products[0], products[2], products[3]});
    EXPECT_EQ(keepAfterDeletion(plain, {}), plain);
    EXPECT_EQ(keepAfterDeletion(plain, {3, 1}), bytesOf(std::vector{products[2]})) << "the first and the last";
    EXPECT_EQ(keepAfterDeletion(plain + "partial", {9, 0, -1}), plain) << "no such records; the partial one goes";

    // The windows' tests show grocery.dat warned of and corner.dat not.
    TempFolder folder;
    EXPECT_TRUE(isDefaultProductFile("GROCERY.DAT"));
    EXPECT_TRUE(isDefaultProductFile(folder.path() + "/grocery.dat"));
    EXPECT_FALSE(isDefaultProductFile("other/grocery.dat"));

    const std::vector dairy{product("Milk", "2.49", "Dairy"), product("Cream", "1.00", "DAIRY"),
                            product("Brie", "4.00", " Dairy"), product("Bread", "2.00", "Bakery")};
    const std::vector items{listItem("Milk", " 2.49", "1", "DAIRY", ".50"), listItem("Bread", " 2", "1", "Bakery"),
                            listItem("Yogurt", " 1", "1", "dairy ")};
    // The partial record at the end of the list is another program's and stays.
    TempFolder::write("grocery.dat", bytesOf(dairy));
    TempFolder::write("grocery.lst", bytesOf(items) + QByteArray(20, 't'));
    model::SharedState state;
    ASSERT_TRUE(state.products.open("grocery.dat"));
    ASSERT_TRUE(state.items.open("grocery.lst"));

    // Both files are written before either is swapped in; whichever step fails, the two
    // lists stay as they were (the list swapped in first is put back) and one message says why.
    const QByteArray listBefore = TempFolder::read("grocery.lst");
    const std::tuple<data::FileStep, QString> faults[] = {{data::FileStep::Rename, "grocery.dat"},
                                                          {data::FileStep::Write, "grocery.lst"}};
    for (const auto& [step, file] : faults) {
        const data::FileFaultGuard full(step, file);
        EXPECT_EQ(renameCategory(state, "Dairy", "03.00 Dairy And Cheese Counter").error,
                  "Writing " + file + " failed: No space left on device");
        EXPECT_EQ(full.fired(), 1);
        EXPECT_EQ(TempFolder::read("grocery.dat"), bytesOf(dairy)) << file.toStdString();
        EXPECT_EQ(TempFolder::read("grocery.lst"), listBefore) << file.toStdString();
        EXPECT_EQ(QDir::current().entryList(QDir::Files), (QStringList{"grocery.dat", "grocery.lst"}));
    }
    ASSERT_TRUE(renameCategory(state, "Dairy", "03.00 Dairy And Cheese Counter"));
    // Cut to the field; in products DAIRY is another category, blanks around do not count.
    const QString cut = "03.00 Dairy And Cheese Co";
    EXPECT_EQ(TempFolder::read("grocery.lst"), bytesOf(std::vector{listItem("Milk", " 2.49", "1", cut, ".50"), items[1],
                                                                   listItem("Yogurt", " 1", "1", cut)}) +
                                                   QByteArray(20, 't'));
    EXPECT_EQ(recordsIn<ProductRecord>("grocery.dat"),
              (std::vector{product("Milk", "2.49", cut), dairy[1], product("Brie", "4.00", cut), dairy[3]}));
    EXPECT_EQ(state.items.count(), 3) << "both files are open again";
    EXPECT_EQ(state.products.count(), 4);

    // Nothing to rename in the list now: it is not written at all, so its fault never fires.
    const data::FileFaultGuard listFull(data::FileStep::Rename, "grocery.lst");
    ASSERT_TRUE(renameCategory(state, "DAIRY", "Cream"));
    EXPECT_EQ(listFull.fired(), 0);
    EXPECT_EQ(recordsIn<ProductRecord>("grocery.dat")[1], product("Cream", "1.00", "Cream"));
}

TEST(CommonProducts, ShipAsWholeRecordsWithUniqueNamesAndAreImportedOnlyWhereNotKnown)
{
    const QByteArray bytes = commonProductRecords();
    ASSERT_EQ(bytes.size() % ProductRecord::Length, 0);
    const QRegularExpression aisled(QStringLiteral("^\\d\\d\\.\\d\\d \\S"));
    QSet<QString> names;
    QSet<QString> categories;
    for (const ProductRecord& p : data::recordsFromBytes<ProductRecord>(bytes)) {
        const QString name = p.text(ProductRecord::item);
        EXPECT_FALSE(name.isEmpty() || names.contains(name.toUpper())) << name.toStdString();
        names.insert(name.toUpper());
        EXPECT_TRUE(aisled.match(p.text(ProductRecord::category)).hasMatch()) << name.toStdString();
        categories.insert(p.text(ProductRecord::category));
    }
    EXPECT_GE(names.size(), 150);
    EXPECT_GE(categories.size(), 12);

    // The text they are built from: records as the editor saves them, or refused by line.
    const ProductText read = productsFromText(u"# note\r\n\nMilk 1 Gal|02.00 Dairy|1|0\r\nBread|04.00 Bakery|0|1\n");
    EXPECT_EQ(data::recordsFromBytes<ProductRecord>(read.records),
              (std::vector{product("Milk 1 Gal", "", "02.00 Dairy", true),
                           product("Bread", "", "04.00 Bakery", false, true)}));

    for (const QString bad :
         {"Milk|02.00 Dairy|0", "|02.00 Dairy|0|0", "Milk | 02.00 Dairy|0|0", "milk 1 gal|02.00 Dairy|0|0",
          "Milk|Dairy|0|0", "Milk|2.00 Dairy|0|0", "Milk|02.00 Dairy Products Refrigerated|0|0",
          "Milk \u0100|02.00 Dairy|0|0", "Milk|02.00 Dairy|yes|0", "TEA|13.00 Beverages|0|0"}) {
        const ProductText refused = productsFromText(QStringLiteral("Tea|13.00 Beverages|0|0\n") + bad);
        EXPECT_EQ(refused.line, 2) << bad.toStdString();
        EXPECT_TRUE(refused.records.isEmpty() && !refused.ok()) << bad.toStdString();
    }
    EXPECT_FALSE(productsFromText(QString(41, u'M') + "|02.00 Dairy|0|0").ok()) << "name too long";

    TempFolder folder;
    const QByteArray all = commonProductRecords();
    const QString first = data::recordsFromBytes<ProductRecord>(all).front().text(ProductRecord::item);
    const QByteArray own = bytesOf(std::vector{product("  " + first.toLower() + " ", "1.99"), product("Quince")});
    TempFolder::write("corner.dat", own);
    data::RecordFile<ProductRecord> products;
    ASSERT_TRUE(products.open("corner.dat"));
    const AppendResult r = appendNewProducts(products, all);
    EXPECT_TRUE(r.result.ok()) << r.result.error.toStdString();
    EXPECT_EQ(TempFolder::read("corner.dat"), own + all.mid(ProductRecord::Length))
        << "known in another case with blanks around: skipped; existing products unchanged";
}

TEST(CouponRules, CouponValueReadsBackAsTypedAndStrippingBlanksEveryPriceAfterABackup)
{
    // Typed; then shown on leaving the box; then stored, or the refusal OK shows.
    const QString tooLarge = "Bad entry  %1 does not fit the 6 characters a coupon is stored in.  "
                             "The largest coupon with cents is 999.99.";
    const std::tuple<QString, QString, QString> cases[] = {{"1.5", "1.50", "1.50"},
                                                           {" 2 ", "2.00", "2.00"},
                                                           {".25", "0.25", "0.25"},
                                                           {"0", "0.00", "0.00"},
                                                           {"-1", "-1", "Bad entry"},
                                                           {"-.01", "-.01", "Bad entry"},
                                                           {"abc", "", ""},
                                                           {"1,5", "", ""},
                                                           {"", "", ""},
                                                           {"1234.5", "1234.5", "1234.5"},
                                                           {"1234.56", "1234.56", tooLarge.arg("1234.56")},
                                                           {"99999.99", "99999.99", tooLarge.arg("99999.99")},
                                                           {"1234567", "1234567", tooLarge.arg("1234567.00")}};
    for (const auto& [typed, shown, stored] : cases) {
        EXPECT_EQ(normalizedCouponText(typed), shown) << typed.toStdString();
        const QString problem = couponProblem(shown);
        EXPECT_EQ(problem.isEmpty() ? storedCouponText(shown).value_or("refused") : problem, stored)
            << typed.toStdString();
    }
    EXPECT_EQ(couponBoxText(listItem("Milk", "2", "1", "", "1234.5")), "1234.50");
    EXPECT_EQ(couponBoxText(listItem("Milk", "2", "1", "", "-5.00")), "") << "stored below zero by an older edition";
    EXPECT_EQ(couponBoxText(listItem("Milk", "2", "1")), "") << "never written";
    EXPECT_EQ(storedCouponText("  "), "");
    EXPECT_EQ(storedCouponText("x"), std::nullopt);
    EXPECT_EQ(couponProblem("x"), "Bad entry");

    // The coupon list's lines and order are shown by its box in the window test.
    EXPECT_EQ(couponListText({listItem("Bread", "2", "1"), listItem("Tea", "2", "1", "", "  ")}), "")
        << "no coupon written, or a blank one";

    TempFolder folder;
    ProductRecord milk = product("Milk", "2.49", "Dairy", true);
    milk.set(ProductRecord::spare1, u"kept");
    const QByteArray before = bytesOf(std::vector{milk, product("Tea", ".50")}) + QByteArray("partial");
    TempFolder::write("corner.dat", before);
    data::RecordFile<ProductRecord> products;
    ASSERT_TRUE(products.open("corner.dat"));

    ASSERT_TRUE(backUpPrices(products));
    ASSERT_TRUE(stripPrices(products));
    EXPECT_EQ(TempFolder::read("justincase.sav"), before);
    milk.set(ProductRecord::price, u"");
    EXPECT_EQ(TempFolder::read("corner.dat"), bytesOf(std::vector{milk, product("Tea")}) + QByteArray("partial"))
        << "nothing but the prices change, and the partial record at the end stays";
    EXPECT_EQ(products.count(), 2);
}

TEST(MergeRules, OnlyNamesNotYetKnownAreTakenAndImportSkipsMissingOrShortFiles)
{
    ProductRecord milk = product("Milk", "2.10", "Dairy", true, true);
    milk.set(ProductRecord::spare1, u"spare one");
    milk.set(ProductRecord::spare2, u"spare two");
    const std::vector local{product("Bread", "2.00", "Bakery"), product("  Apple Pie", "4.00")};
    const std::vector merge{product("bread", "2.50", "Other"), milk, product("APPLE PIE  "), product("MILK", "9.99"),
                            product("Tea")};
    const auto added = data::recordsFromBytes<ProductRecord>(newProductsFromMerge(bytesOf(local), bytesOf(merge)));
    ProductRecord milkAdded = milk;
    milkAdded.clear(ProductRecord::spare1);
    EXPECT_EQ(added, (std::vector{milkAdded, merge[4]})) << "case and blanks ignored; first Milk wins; no spare1";

    TempFolder folder;
    TempFolder::write("corner.dat", bytesOf(std::vector{product("Bread", "2.00", "Bakery")}));
    data::RecordFile<ProductRecord> products;
    ASSERT_TRUE(products.open("corner.dat"));
    EXPECT_FALSE(importMergeFile(products, "corner.mrg").found);
    EXPECT_FALSE(TempFolder::exists("corner.mrg")) << "not created by looking";
    TempFolder::write("corner.mrg", QByteArray(100, 'x'));
    EXPECT_FALSE(importMergeFile(products, "corner.mrg").found) << "less than one record";
    EXPECT_FALSE(TempFolder::exists("grocery.old"));

    const std::vector incoming{product("bread", "2.50"), product("Jam", "3.00"), product("Tea")};
    TempFolder::write("corner.mrg", bytesOf(incoming));
    std::vector<std::pair<qsizetype, qsizetype>> told;
    const ImportResult r =
        importMergeFile(products, "corner.mrg", [&told](qsizetype d, qsizetype t) { told.emplace_back(d, t); });
    EXPECT_TRUE(r.result.ok()) << r.result.error.toStdString();
    EXPECT_EQ(TempFolder::read("grocery.old"), bytesOf(incoming)) << "in the working folder, whatever the store";
    EXPECT_EQ(told.back(), std::make_pair(qsizetype(3), qsizetype(3)));

    const QStringList roots{"/media/ann", "/run/media/ann"};
    EXPECT_EQ(firstRemovableVolume(roots, {"/", "/run/media/ann/STICK", "/media/ann/USB B", "/media/ann/USB A"}),
              "/media/ann/USB A");
    EXPECT_EQ(firstRemovableVolume(roots, {"/run/media/ann/STICK", "/media/annex/X"}), "/run/media/ann/STICK");
    EXPECT_EQ(firstRemovableVolume(roots, {"/", "/home", "/media/ann", "/media/ann/a/b"}), "");
    EXPECT_EQ(firstRemovableVolume({}, {"/media/ann/USB"}), "");
}

TEST(TextExportRules, FileBytesAndNames)
{
    const QStringList lines = shoppingListExportLines({"(2) Milk", "     Café au lait"}, "  7.47", QDate(2024, 12, 5));
    EXPECT_EQ(textFileBytes(lines), QByteArray("(2) Milk\r\n     Caf\xE9 au lait\r\n  \r\n"
                                               "Pantrix Shopping List Dec 05\r\n7.47\r\n"));
    EXPECT_EQ(textFileBytes(categoryExportLines({"01.00 Dairy", "Bakery"}, QDate(2024, 1, 31))),
              QByteArray("01.00 Dairy\r\nBakery\r\n  \r\nPantrix Categories List Jan 31\r\n"));

    // The answer; then the outcome and file name for the Shopping List, then for the categories.
    const std::tuple<QString, Outcome, QString, Outcome, QString> cases[] = {
        {"weekly", Outcome::Accepted, "weekly.txt", Outcome::Accepted, "weekly.txt"},
        {"/tmp/lists/weekly", Outcome::Accepted, "/tmp/lists/weekly.txt", Outcome::Accepted, "/tmp/lists/weekly.txt"},
        {"cats.txt", Outcome::Refused, "", Outcome::Accepted, "cats.txt"},
        {"cats.TXT", Outcome::Refused, "", Outcome::Refused, ""},
        {".txt", Outcome::Cancelled, "", Outcome::Cancelled, ""},
        {"   ", Outcome::Cancelled, "", Outcome::Cancelled, ""},
        {"/my.folder/weekly", Outcome::Refused, "", Outcome::Refused, ""}};
    for (const auto& [answer, list, listName, categories, categoryName] : cases) {
        const ExportName forList = listExportName(answer);
        const ExportName forCategories = categoryExportName(answer);
        EXPECT_EQ(std::tie(forList.outcome, forList.fileName), std::tie(list, listName)) << answer.toStdString();
        EXPECT_EQ(std::tie(forCategories.outcome, forCategories.fileName), std::tie(categories, categoryName))
            << answer.toStdString();
    }
}
