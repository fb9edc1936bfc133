#include "model/ProductCatalogue.h"
#include "support/Fixtures.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace model;

namespace {

ProductCatalogue catalogueOf(const std::vector<data::ProductRecord>& products)
{
    ProductCatalogue c;
    c.load(bytesOf(products));
    return c;
}

QStringList names(const ProductCatalogue& c, const std::vector<int>& rows)
{
    QStringList out;
    for (int i : rows)
        out << c.entry(i).name;
    return out;
}

QStringList shown(const ProductCatalogue& c, ProductFilter f = {})
{
    return names(c, filterProducts(c, f));
}

} // namespace

TEST(ProductList, SortsByCharacterCodeAndKeepsFileOrderOfEqualNames)
{
    const auto c = catalogueOf({product("banana"), product("apple pie"), product("Zucchini"), product("Apple", "1.00"),
                                product("Apple", "2.00"), product("  Éclair"), product("apple")});
    EXPECT_EQ(shown(c), (QStringList{"Apple", "Apple", "Zucchini", "apple", "apple pie", "banana", "Éclair"}));
    const auto rows = filterProducts(c, {});
    EXPECT_EQ(c.entry(rows[0]).record, 4);
    EXPECT_EQ(c.entry(rows[1]).record, 5);
}

TEST(ProductList, Filters)
{
    const auto c = catalogueOf({product("Apple Pie", "", "Bakery", false, true), product("Butter", "", "Dairy  ", true),
                                product("Milk", "", " dairy"), product("Pie Crust", "", "Bakery", true, true)});
    ProductFilter f;
    f.search = "PIE";
    EXPECT_EQ(shown(c, f), (QStringList{"Apple Pie", "Pie Crust"}));
    f.search = "   ";
    EXPECT_EQ(shown(c, f).size(), 4) << "blanks only keep everything";
    f = {};
    f.loFat = true;
    EXPECT_EQ(shown(c, f), (QStringList{"Apple Pie", "Milk"}));
    f.loCarb = true;
    EXPECT_EQ(shown(c, f), (QStringList{"Milk"}));
    f = {};
    f.category = "dairy";
    EXPECT_EQ(shown(c, f), (QStringList{"Butter", "Milk"})) << "case and surrounding blanks ignored";
    f.category = "All";
    EXPECT_EQ(shown(c, f).size(), 4);
}

TEST(ProductList, QuickSearchIgnoresCaseAndNeverSpansTwoNames)
{
    const auto c = catalogueOf({product("ab"), product("cd"), product("  Éclair"), product("CRÈME brûlée"),
                                product("Bread"), product("Naïve Bread")});
    ProductFilter f;
    f.search = "bc";
    EXPECT_TRUE(shown(c, f).isEmpty());
    f.search = "  éCLA ";
    EXPECT_EQ(shown(c, f), (QStringList{"Éclair"}));
    f.search = "crème BR";
    EXPECT_EQ(shown(c, f), (QStringList{"CRÈME brûlée"}));
    f.search = "read";
    EXPECT_EQ(shown(c, f), (QStringList{"Bread", "Naïve Bread"}));
    f.search = "豆";
    EXPECT_TRUE(shown(c, f).isEmpty());
    f.search = "?";
    EXPECT_TRUE(shown(c, f).isEmpty());
}

TEST(ProductList, CategoriesKeepTheFirstFormMet)
{
    EXPECT_EQ(collectCategories(
                  catalogueOf({product("a", "", "Fruit"), product("b", "", "Dried Fruit"), product("c", "", "fruit")})),
              (QStringList{"Dried Fruit", "Fruit"}));
    EXPECT_EQ(collectCategories(catalogueOf({product("a", "", "Dried Fruit"), product("b", "", "fruit"),
                                             product("c", "", "Fruit"), product("d", "", "   "), product("e")})),
              (QStringList{"Dried Fruit", "fruit"}));
    EXPECT_EQ(collectCategories(catalogueOf({product("a", "", "Produce"), product("b", "", "02.10 Dairy"),
                                             product("c", "", "bread"), product("d", "", "10 Bakery")})),
              (QStringList{"02.10 Dairy", "10 Bakery", "Produce", "bread"}));
}

TEST(ProductList, ReloadsOnlyWhenTheFileChanged)
{
    ProductCatalogue c;
    const QByteArray bytes = bytesOf(std::vector{product("Milk", "2.49")});
    EXPECT_TRUE(c.load(bytes));
    EXPECT_FALSE(c.load(bytes));
    EXPECT_TRUE(c.load(bytesOf(std::vector{product("Milk", "2.59")})));
    EXPECT_TRUE(c.load({}));
    EXPECT_EQ(c.size(), 0);
}
