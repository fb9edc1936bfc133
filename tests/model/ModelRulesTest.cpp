#include "data/Cp1252.h"
#include "data/FileOps.h"
#include "data/FixedField.h"
#include "model/ProductCatalogue.h"
#include "model/ShoppingListRules.h"
#include "model/StoreFiles.h"
#include "support/Fixtures.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <numeric>

using data::ShoppingItemRecord;
using namespace model;

namespace {

ProductCatalogue catalogueOf(const std::vector<data::ProductRecord>& products)
{
    ProductCatalogue c;
    c.load(bytesOf(products));
    return c;
}

QStringList shown(const ProductCatalogue& c, const ProductFilter& f = {})
{
    QStringList out;
    for (int i : filterProducts(c, f))
        out << c.name(i);
    return out;
}

ProductFilter filter(const QString& search, bool loFat = false, bool loCarb = false, const QString& category = {})
{
    return {search, loFat, loCarb,
            category.isEmpty() ? model::CategoryFilter::all() : model::CategoryFilter::only(category)};
}

} // namespace

TEST(ProductList, FiltersAndCategoriesInTheFirstFormMet)
{
    const auto c = catalogueOf({product("Apple Pie", "", "Bakery", false, true), product("Butter", "", "Dairy  ", true),
                                product("Milk", "", " dairy"), product("Pie Crust", "", "Bakery", true, true),
                                product("  Éclair"), product("CRÈME brûlée"), product("Naïve Bread")});
    struct Case
    {
        ProductFilter filter;
        QStringList expected;
    };
    const Case cases[] = {
        {filter("PIE"), {"Apple Pie", "Pie Crust"}},
        {filter("eb"), {}}, // never spans two names
        {filter("  éCLA "), {"Éclair"}},
        {filter("crème BR"), {"CRÈME brûlée"}},
        {filter("豆"), {}},
        {filter("?"), {}},
        {filter({}, true), {"Apple Pie", "CRÈME brûlée", "Milk", "Naïve Bread", "Éclair"}},
        {filter({}, true, true), {"CRÈME brûlée", "Milk", "Naïve Bread", "Éclair"}},
        {filter({}, false, false, "dairy"), {"Butter", "Milk"}}, // case and surrounding blanks ignored
    };
    for (const auto& [f, expected] : cases)
        EXPECT_EQ(shown(c, f), expected) << f.search.toStdString();
    EXPECT_EQ(shown(c, filter("   ")).size(), 7) << "blanks only keep everything";

    EXPECT_EQ(collectCategories(catalogueOf({product("a", "", "Dried Fruit"), product("b", "", "fruit"),
                                             product("c", "", "Fruit"), product("d", "", "   "), product("e")})),
              (QStringList{"Dried Fruit", "fruit"}));
    EXPECT_EQ(collectCategories(catalogueOf({product("a", "", "Produce"), product("b", "", "02.10 Dairy"),
                                             product("c", "", "bread"), product("d", "", "10 Bakery")})),
              (QStringList{"02.10 Dairy", "10 Bakery", "Produce", "bread"}));
}

TEST(ProductList, SortsEveryCodePageCharacterAndIsRebuiltExactlyWhenTheFileChanged)
{
    // Names from every byte (long shared beginnings too), so bytes whose order differs from
    // their characters' (0x80 is "€", after "ÿ") and names alike in their first eight meet;
    // each name twice, the second time after blanks that do not count.
    std::vector<data::ProductRecord> products;
    for (int b = 1; b < 256; ++b) {
        if (b == ' ')
            continue;
        const QString c = data::cp1252::decode(QByteArray(1, char(b)));
        products.push_back(product(c + "x"));
        products.push_back(product("Longer name " + c));
        products.push_back(product(c));
        products.push_back(product("  " + c));
    }
    const auto c = catalogueOf(products);
    const auto name = [&](int r) { return data::trimBlanks(products[size_t(r - 1)].text(data::ProductRecord::item)); };
    std::vector<int> expected(products.size());
    std::iota(expected.begin(), expected.end(), 1);
    std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) { return name(a) < name(b); });
    std::vector<int> records;
    for (int i : filterProducts(c, {}))
        records.push_back(c.entry(i).record);
    EXPECT_EQ(records, expected);

    // More records than one piece of the reading holds, so pieces meet boundaries.
    TempFolder folder;
    std::vector<data::ProductRecord> teas(1000, product("Tea"));
    TempFolder::write("grocery.dat", bytesOf(teas));
    data::RecordFile<data::ProductRecord> file;
    ASSERT_TRUE(file.open("grocery.dat"));
    ProductCatalogue rebuilt;
    EXPECT_TRUE(rebuilt.load(bytesOf(teas)));
    EXPECT_FALSE(rebuilt.refresh(file)) << "the same bytes, read in pieces";

    // One byte changed in place: in the first piece of the reading (448 records), at its
    // end, at the start of the next one, in the last.
    for (const int record : {1, 448, 449, 900}) {
        ASSERT_TRUE(file.write(record, product("Tee")));
        EXPECT_TRUE(rebuilt.refresh(file)) << record;
        EXPECT_EQ(rebuilt.name(record - 1), "Tee");
        EXPECT_FALSE(rebuilt.refresh(file));
        ASSERT_TRUE(file.write(record, product("Tea")));
        EXPECT_TRUE(rebuilt.refresh(file)) << record;
        ASSERT_TRUE(file.write(record, product("Tea", "9.99")));
        EXPECT_FALSE(rebuilt.refresh(file)) << "a price is not in the list: nothing to rebuild " << record;
        // Another category, the names as they were.
        ASSERT_TRUE(file.write(record, product("Tea", "9.99", "Herbal")));
        EXPECT_TRUE(rebuilt.refresh(file)) << record;
        EXPECT_EQ(rebuilt.categories()[size_t(rebuilt.entry(record - 1).category)].form, "Herbal");
        EXPECT_EQ(shown(rebuilt, filter("tea", false, false, "herbal")), QStringList{"Tea"});
        ASSERT_TRUE(file.write(record, product("Tea", "9.99")));
        EXPECT_TRUE(rebuilt.refresh(file)) << record;
    }

    ASSERT_TRUE(QFile::resize("grocery.dat", 10 * data::ProductRecord::Length + 7));
    EXPECT_TRUE(rebuilt.refresh(file));
    EXPECT_EQ(rebuilt.size(), 10) << "whole records only";
}

namespace {
QStringList texts(const ShoppingListView& v)
{
    QStringList out;
    for (const auto& row : v.rows)
        out << row.text;
    return out;
}
} // namespace

TEST(ShoppingList, RowsTotalsCouponsAndCategoryOrderByCodeInOrderOfAdding)
{
    const auto view = buildShoppingList({listItem("Milk", " 4.98", "2"), listItem("Bread", "2.49", "1", "", "  .50"),
                                         listItem("Eggs", "", "", "", "0"), listItem("Jam", "  3", "1.0"),
                                         listItem("Oil", "2.49", "0", "", "-5.00")},
                                        ListOrder::Alphabetical);
    EXPECT_EQ(texts(view), (QStringList{"     Bread (coupon .50)", "     Eggs", "     Jam", "(2) Milk", "(0) Oil"}));
    EXPECT_EQ(view.rows[0].costText, "1.99");
    EXPECT_EQ(view.rows[1].costText, ".00");
    EXPECT_EQ(view.rows[4].costText, "2.49") << "a coupon below zero is no coupon";
    EXPECT_EQ(view.couponTotal, 0.5);
    EXPECT_EQ(view.totalText, "12.46"); // the caption is the windows' ("corner ($)", "My ($0.00)")

    const auto byCategory =
        buildShoppingList({listItem("b1", "1", "1", "bread"), listItem("p1", "1", "1", "Produce"),
                           listItem("d1", "1", "1", "02 Dairy"), listItem("k1", "1", "1", "10 Bakery"),
                           listItem("d2", "1", "1", "02 Dairy"), listItem("a0", "1", "1", "02 Dairy")},
                          ListOrder::ByCategory);
    EXPECT_EQ(texts(byCategory), (QStringList{"     d1   (02 Dairy)", "     d2   (02 Dairy)", "     a0   (02 Dairy)",
                                              "     k1   (10 Bakery)", "     p1   (Produce)", "     b1   (bread)"}));
    EXPECT_EQ(byCategory.rows[0].record, 3);

    ShoppingItemRecord eggs; // fields never written show as blank ones do
    eggs.set(ShoppingItemRecord::item, u"Eggs");
    const auto unwritten = buildShoppingList({eggs}, ListOrder::ByCategory);
    EXPECT_EQ(unwritten.rows[0].text, "     Eggs   ()");
    EXPECT_EQ(unwritten.totalText, ".00");
}

TEST(ShoppingList, QuantitiesAndPricesAgreeAndProductsAreTakenOnlyWhileInTheirFile)
{
    // The price and the quantity typed; then the quantity and the price field stored, or
    // nothing where the quantity is refused ("Bad entry").
    const std::tuple<QString, QString, QString> cases[] = {
        {"99.99", "0.75", ".75|74.993"},
        {"99.99", "2", "2|199.98"},
        {"123.45", "1", "1|123.45"},
        {"2.49", " 2", "2| 4.98 "},
        {"99.99", "1.25", ""},
        {"9999.99", "999", ""},
        {"999.99", "3", ""},
        {"1.00", "abc", ""},
        {"", "3", "3| 0    "},
    };
    const ShoppingItemRecord milk = *shoppingItemFor(product("Milk", "2.49", "Dairy"), "2");
    EXPECT_EQ(milk.get(ShoppingItemRecord::quantity), "2  ");
    EXPECT_EQ(milk.text(ShoppingItemRecord::category), "Dairy");
    EXPECT_EQ(milk.get(ShoppingItemRecord::coupon), QString(6, QChar(0))) << "coupon never written";
    for (const auto& [price, typed, stored] : cases) {
        const auto item = shoppingItemFor(product("TV", price), typed);
        EXPECT_EQ(item ? item->text(ShoppingItemRecord::quantity) + "|" + item->get(ShoppingItemRecord::price) : "",
                  stored)
            << typed.toStdString();
    }

    // Changing .75 back to 1 scales from the values as stored, not from a cut quantity.
    ShoppingItemRecord tv = *shoppingItemFor(product("TV", "99.99"), "0.75");
    ASSERT_TRUE(changeQuantity(tv, "1"));
    EXPECT_EQ(tv.text(ShoppingItemRecord::price), "99.991");
    EXPECT_FALSE(changeQuantity(tv, "1.25"));
    EXPECT_EQ(tv.text(ShoppingItemRecord::quantity), "1") << "a refused change leaves the item as it was";
    EXPECT_FALSE(withQuantity(listItem("Gold", "999999", "1"), "2")) << "a price of seven digits is refused";
    // Each refusal says why: the quantity, or the price it makes and the largest that fits.
    const std::tuple<QString, QString, QString> refusals[] = {
        {"999.99", "3",
         "Bad entry  2999.97 does not fit the 6 characters a price is stored in.  "
         "The largest price with cents is 999.99."},
        {"2.49", "1.25", "Bad entry"},
        {"2.49", "x", "Bad entry"},
    };
    for (const auto& [price, typed, refusal] : refusals) {
        QString added;
        QString changed;
        EXPECT_FALSE(shoppingItemFor(product("Milk", price), typed, PriceText::Plain, &added));
        EXPECT_FALSE(withQuantity(listItem("Milk", price, "1"), typed, &changed));
        EXPECT_EQ(added, refusal) << typed.toStdString();
        EXPECT_EQ(changed, refusal) << typed.toStdString();
    }
    // A stored quantity that is no number or zero never divides: the price is the unit price.
    for (const char* odd : {"0", "", "x"}) {
        ShoppingItemRecord item = listItem("Jam", "2.50", odd);
        changeQuantity(item, "2");
        EXPECT_EQ(item.text(ShoppingItemRecord::price), "5") << "stored quantity '" << odd << "'";
    }

    TempFolder folder;
    const QByteArray two = bytesOf(std::vector{product("Milk", "2.49"), product("Tea", "1")});
    TempFolder::write("grocery.dat", two);
    data::RecordFile<data::ProductRecord> file;
    ASSERT_TRUE(file.open("grocery.dat").ok());
    EXPECT_EQ(productsAt(file, {2, 1}), (std::vector{product("Tea", "1"), product("Milk", "2.49")}));
    EXPECT_FALSE(productsAt(file, {1, 3}));
    // Written anew by another program and renamed over the open file.
    TempFolder::write("grocery.new", two);
    ASSERT_EQ(std::rename("grocery.new", "grocery.dat"), 0);
    EXPECT_FALSE(productsAt(file, {1}));
}

// The windows' tests show "My.Store.lst" as the store "My" with "My.dat"; a folder's dot is no extension.
TEST(StoreFiles, NamesAndTheRememberedListWhateverItsName)
{
    EXPECT_EQ(storeBaseName("/home/jo.doe/lists/corner.lst"), "corner");
    EXPECT_EQ(ownProductFile("/home/jo.doe/lists/corner.lst"), "/home/jo.doe/lists/corner.dat");

    TempFolder folder;
    EXPECT_EQ(rememberedListBytes(folder.path() + "/corner.lst"), QByteArray("corner.lst") + QByteArray(20, ' '))
        << "a list in the working folder is kept by its bare name";
    const QString thirty(30, 'x');
    EXPECT_EQ(rememberedListBytes(thirty).size(), 30);
    const QString far = "/srv/shared/pantrix lists/weekly/The Corner Shop.lst";
    const QByteArray twoRecords = rememberedListBytes(far);
    EXPECT_EQ(twoRecords.size(), 60);
    EXPECT_EQ(rememberedListFrom(twoRecords), far);
    EXPECT_EQ(rememberedListFrom(rememberedListBytes("Café.lst")), "Café.lst");

    // Names outside the code page.
    QDir().mkdir(QString::fromUtf8("Документы"));
    for (const QString& name :
         {QString::fromUtf8("Łódź.lst"), folder.path() + QString::fromUtf8("/Документы/store.lst"),
          QString::fromUtf8("/srv/x/名前 100%.lst")}) {
        const QByteArray bytes = rememberedListBytes(name);
        EXPECT_EQ(bytes.size() % 30, 0);
        EXPECT_EQ(bytes.left(30), QByteArray("grocery.lst") + QByteArray(19, ' '))
            << "an older edition reads record 1 only and opens the default list";
        EXPECT_EQ(rememberedListFrom(bytes), name);
    }
    QByteArray damaged = QByteArray("grocery.lst") + QByteArray(19, ' ') + QByteArray(30, '\0');
    EXPECT_EQ(rememberedListFrom(damaged), "grocery.lst");
    EXPECT_EQ(rememberedListFrom(QByteArray(30, '\0')), "") << "zero bytes are no name";
}

// What goes is shown by the main window's quit; here, what is spared.
TEST(StoreFiles, EliminationAndTheMergeProbeSpareFilesThatHoldBytes)
{
    TempFolder folder;
    EXPECT_FALSE(storeIsEliminable(0, 0, "GROCERY.LST"));
    EXPECT_FALSE(storeIsEliminable(0, 0, folder.path() + "/grocery.lst"));
    EXPECT_FALSE(storeIsEliminable(1, 0, "corner.lst"));
    EXPECT_FALSE(storeIsEliminable(0, 1, "corner.lst"));

    QDir().mkdir("elsewhere");
    TempFolder::write("elsewhere/config.txt", QByteArray(90, 'x'));
    TempFolder::write("namefile.dat", rememberedListBytes("elsewhere/config.txt"));
    EXPECT_FALSE(storeIsEliminable(0, 0, "elsewhere/config.txt")) << "bytes, if not a whole record";
    EXPECT_FALSE(eliminateStore("elsewhere/config.txt", "grocery.dat").ok());
    EXPECT_EQ(TempFolder::read("elsewhere/config.txt").size(), 90);
    EXPECT_TRUE(TempFolder::exists("namefile.dat"));

    TempFolder::write("corner.lst", {});
    TempFolder::write("corner.dat", QByteArray(10, 'x'));
    EXPECT_FALSE(storeIsEliminable(0, 0, "corner.lst")) << "its own product file holds bytes";
    ASSERT_TRUE(eliminateStore("corner.lst", "grocery.dat").ok());
    EXPECT_FALSE(TempFolder::exists("corner.lst"));
    EXPECT_EQ(TempFolder::read("corner.dat").size(), 10);

    EXPECT_FALSE(probeMergeFile("grocery.mrg"));
    EXPECT_FALSE(TempFolder::exists("grocery.mrg")) << "the probe's own empty file goes";
    TempFolder::write("grocery.mrg", {});
    EXPECT_FALSE(probeMergeFile("grocery.mrg"));
    EXPECT_FALSE(TempFolder::exists("grocery.mrg"));
    TempFolder::write("grocery.mrg", QByteArray(100, 'm'));
    EXPECT_FALSE(probeMergeFile("grocery.mrg"));
    EXPECT_EQ(TempFolder::read("grocery.mrg"), QByteArray(100, 'm')) << "shorter than a record, but not empty";
}

TEST(StoreFiles, TheStartBacksUpProductsOnlyOverADifferentBackup)
{
    const QByteArray milk = bytesOf(std::vector{product("Milk", "2.49")});
    const QByteArray jam = bytesOf(std::vector{product("Jam", "1.99")});
    const QDateTime earlier = QDateTime::currentDateTime().addDays(-1);
    // The products, and the backup there before; then the backup after the start.
    const std::tuple<QByteArray, QByteArray, QByteArray> cases[] = {
        {{}, milk, milk},  // no products: the only good copy stays
        {milk, jam, milk}, // same size, other bytes, the products not newer
    };
    for (const auto& [products, before, after] : cases) {
        TempFolder folder;
        TempFolder::write("grocery.dat", products);
        TempFolder::write("grocery.bak", before);
        QFile file("grocery.dat");
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(earlier, QFileDevice::FileModificationTime));
        file.close();
        EXPECT_TRUE(backUpProducts().ok());
        EXPECT_EQ(TempFolder::read("grocery.bak"), after) << products.size() << " " << before.size();
    }
}

TEST(StoreFiles, TheRememberedListPassesTheChecksOfOpenOrTheDefaultListIsUsed)
{
    TempFolder folder;
    QDir().mkdir("elsewhere");
    TempFolder::write("elsewhere/shop.lst", {});
    const QString chosen = folder.path() + "/elsewhere/shop.lst";
    const QString instead = "; grocery.lst is used instead.";
    // The name in namefile.dat; then the list opened and the line the start-up message gets.
    const std::tuple<QString, QString, QString> cases[] = {
        {"corner.lst", "corner.lst", ""},
        {chosen, chosen, ""},
        {"pantlog.dat", "grocery.lst", "\"pantlog.dat\", which is not a .lst file"},
        {"/etc/passwd", "grocery.lst", "\"/etc/passwd\", which is not a .lst file"},
        {"pantrecp.lst", "grocery.lst", "\"pantrecp.lst\", which is one of the program's own files"},
        {".hidden.lst", "grocery.lst", "\".hidden.lst\", which is a hidden file"},
        {"../../victim.lst", "grocery.lst", "\"../../victim.lst\", which leads out of its folder"},
        {"elsewhere/shop.lst", "grocery.lst", "\"elsewhere/shop.lst\", which is in no folder a list was opened from"},
        {folder.path() + "/gone/x.lst", "grocery.lst", "\"" + folder.path() + "/gone/x.lst\", which is not there"},
        {"a\x01\nb.lst", "grocery.lst", "\"a??b.lst\", which holds control characters"},
        {"C:\\PANTRIX\\corner.lst", "grocery.lst", "\"C:\\PANTRIX\\corner.lst\", which is a Windows path"},
    };
    for (const auto& [remembered, opened, line] : cases) {
        // Written as by hand (printf '%-30s' name > namefile.dat), in records of 30 bytes.
        const QByteArray bytes = remembered.toLatin1();
        TempFolder::write("namefile.dat", bytes.leftJustified((bytes.size() + 29) / 30 * 30, ' '));
        QStringList errors;
        EXPECT_EQ(prepareFirstLoad(&errors), opened) << remembered.toStdString();
        EXPECT_EQ(errors, line.isEmpty() ? QStringList() : QStringList{"namefile.dat names the list " + line + instead})
            << remembered.toStdString();
    }
    EXPECT_EQ(QDir("elsewhere").entryList(QDir::Files), QStringList{"shop.lst"});
    EXPECT_FALSE(TempFolder::exists("gone"));
}
