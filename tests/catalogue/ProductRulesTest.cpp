#include "catalogue/ProductRules.h"
#include "catalogue/ProductDeletion.h"
#include "support/Fixtures.h"

using namespace catalogue;
using data::ProductRecord;
using data::recordsFromBytes;

TEST(ProductRules, NamesAreCapitalizedAndAislesGetTwoDigitsAndTwoDecimals)
{
    const std::pair<QString, QString> names[] = {
        {"McVITIE's  digestive", "McVITIE's  Digestive"}, {" élan vital", " Élan Vital"}, {"a-b c.d", "A-b C.d"}};
    for (const auto& [typed, shown] : names)
        EXPECT_EQ(CapitalizeWords(typed), shown) << typed.toStdString();
    const std::pair<QString, QString> aisles[] = {{"3", "03.00"},   {"2.1", "02.10"},  {"12.25", "12.25"},
                                                  {" 1 ", "01.00"}, {"123", "123.00"}, {"1a", ""}};
    for (const auto& [typed, shown] : aisles)
        EXPECT_EQ(formatAisle(typed), shown) << typed.toStdString();
}

TEST(ProductRules, SavedRecordForBothSavePaths)
{
    const std::tuple<EditorFields, bool, QString> cases[] = {
        {{"Milk", "2.50", "Dairy", "01.00"}, true, "01.00 Dairy"},
        {{"Milk", "2.50", "Dairy", "01.00"}, false, "Dairy"},
        {{"Milk", "2.50", "  ", "01.00"}, true, "Miscellaneous"},
        {{"Peas", ".00", " Frozen ", "12.50"}, true, "12.50 Frozen"},
        {{"Peas", ".00", "Frozen Vegetables In Bags", "12.50"}, true, "12.50 Frozen Vegetables I"},
        {{"Peas", ".00", "Frozen", "  "}, true, "Frozen"},
    };
    for (const auto& [fields, withAisle, category] : cases)
        EXPECT_EQ(buildProduct(fields, withAisle).get(ProductRecord::category).trimmed(), category);
    // The price as it stands, fitted to its field as numbers are (see their test); the spare fields stay unwritten.
    EXPECT_EQ(buildProduct({"  Frozen Peas ", "1234.50", "Frozen", "", true, false}, true),
              product("Frozen Peas", "1234.5", "Frozen", true));
}

TEST(ProductRules, EditorCategoriesAndFieldsNeverWritten)
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
    EXPECT_EQ(editorCategories(products), (QStringList{"01.00 Deli", "Bakery", "Dairy", "dairy"}))
        << "exact, distinct, by code; none from an empty or unwritten field";
    EXPECT_EQ(merged.text(ProductRecord::price), "") << "what the price box is given";
    // Saved back from the boxes as they were offered.
    const ProductRecord saved = buildProduct({merged.text(ProductRecord::item), merged.text(ProductRecord::price),
                                              merged.get(ProductRecord::category), "", false, false},
                                             false);
    EXPECT_EQ(saved.text(ProductRecord::category), "Miscellaneous");
    EXPECT_EQ(saved.get(ProductRecord::price), QString(6, ' '));
}

TEST(ProductRules, ItemForANewProductIsPricedWithTheMoneyPattern)
{
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

TEST(ProductDeletion, PerItemAnswersKeepTheProductsAnsweredNo)
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
}

// The windows' tests show grocery.dat warned of and corner.dat not.
TEST(ProductDeletion, DefaultProductFileIsRecognisedAsAFile)
{
    TempFolder folder;
    EXPECT_TRUE(isDefaultProductFile("GROCERY.DAT"));
    EXPECT_TRUE(isDefaultProductFile(folder.path() + "/grocery.dat"));
    EXPECT_FALSE(isDefaultProductFile("other/grocery.dat"));
}
