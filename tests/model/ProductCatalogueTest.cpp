#include "model/ProductCatalogue.h"
#include "data/Cp1252.h"
#include "data/FixedField.h"
#include "support/Fixtures.h"

#include <QFile>

#include <numeric>

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

TEST(ProductList, Filters)
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
}

TEST(ProductList, CategoriesKeepTheFirstFormMet)
{
    EXPECT_EQ(collectCategories(catalogueOf({product("a", "", "Dried Fruit"), product("b", "", "fruit"),
                                             product("c", "", "Fruit"), product("d", "", "   "), product("e")})),
              (QStringList{"Dried Fruit", "fruit"}));
    EXPECT_EQ(collectCategories(catalogueOf({product("a", "", "Produce"), product("b", "", "02.10 Dairy"),
                                             product("c", "", "bread"), product("d", "", "10 Bakery")})),
              (QStringList{"02.10 Dairy", "10 Bakery", "Produce", "bread"}));
}

TEST(ProductList, SortsEveryCodePageCharacterAsItsDecodedTextKeepingFileOrderOfEqualNames)
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
}

TEST(ProductList, IsRebuiltExactlyWhenTheFileChanged)
{
    // More records than one piece of the reading holds, so pieces meet boundaries.
    TempFolder folder;
    std::vector<data::ProductRecord> products(1000, product("Tea"));
    TempFolder::write("grocery.dat", bytesOf(products));
    data::RecordFile<data::ProductRecord> file;
    ASSERT_TRUE(file.open("grocery.dat"));
    ProductCatalogue c;
    EXPECT_TRUE(c.load(bytesOf(products)));
    EXPECT_FALSE(c.refresh(file)) << "the same bytes, read in pieces";

    // One byte changed in place: in the first piece of the reading (448 records), at its
    // end, at the start of the next one, in the last.
    for (const int record : {1, 448, 449, 900}) {
        ASSERT_TRUE(file.write(record, product("Tee")));
        EXPECT_TRUE(c.refresh(file)) << record;
        EXPECT_EQ(c.name(record - 1), "Tee");
        EXPECT_FALSE(c.refresh(file));
        ASSERT_TRUE(file.write(record, product("Tea")));
        EXPECT_TRUE(c.refresh(file)) << record;
    }

    ASSERT_TRUE(QFile::resize("grocery.dat", 10 * data::ProductRecord::Length + 7));
    EXPECT_TRUE(c.refresh(file));
    EXPECT_EQ(c.size(), 10) << "whole records only";
}
