#include "catalogue/ProductRules.h"
#include "catalogue/ProductDeletion.h"
#include "support/Fixtures.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace catalogue;
using data::ProductRecord;
using data::recordsFromBytes;
using data::ShoppingItemRecord;

TEST(ProductRules, CapitalizeWordsTouchesOnlyFirstLetters)
{
    const std::pair<QString, QString> cases[] = {{"green beans 16 oz", "Green Beans 16 Oz"},
                                                 {"McVITIE's  digestive", "McVITIE's  Digestive"},
                                                 {" dairy", " Dairy"},
                                                 {"élan vital", "Élan Vital"},
                                                 {"", ""},
                                                 {"a-b c.d", "A-b C.d"}};
    for (const auto& [typed, shown] : cases)
        EXPECT_EQ(CapitalizeWords(typed), shown) << typed.toStdString();
}

TEST(ProductRules, AisleNumbersHaveTwoDigitsAndTwoDecimals)
{
    const std::pair<QString, QString> cases[] = {{"3", "03.00"},   {"2.1", "02.10"},  {"12.25", "12.25"},
                                                 {" 1 ", "01.00"}, {"123", "123.00"}, {"1a", ""}};
    for (const auto& [typed, shown] : cases)
        EXPECT_EQ(formatAisle(typed), shown) << typed.toStdString();
}

TEST(ProductRules, SavedRecordForBothSavePaths)
{
    struct Case
    {
        EditorFields fields;
        bool withAisle;
        QString category;
    };
    const Case cases[] = {
        {{"Milk", "2.50", "Dairy", "01.00"}, true, "01.00 Dairy"},
        {{"Milk", "2.50", "Dairy", "01.00"}, false, "Dairy"},
        {{"Milk", "2.50", "  ", "01.00"}, true, "Miscellaneous"},
        {{"Peas", ".00", " Frozen ", "12.50"}, true, "12.50 Frozen"},
        {{"Peas", ".00", "Frozen Vegetables In Bags", "12.50"}, true, "12.50 Frozen Vegetables I"},
        {{"Peas", ".00", "Frozen", "  "}, true, "Frozen"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(buildProduct(c.fields, c.withAisle).get(ProductRecord::category).trimmed(), c.category);

    const ProductRecord r = buildProduct({"  Frozen Peas ", "1234.50", "Frozen", "", true, false}, true);
    EXPECT_EQ(r.get(ProductRecord::item), "Frozen Peas" + QString(29, ' '));
    EXPECT_EQ(r.get(ProductRecord::price), "1234.5") << "the price as it stands, cut to its field";
    EXPECT_EQ(r.get(ProductRecord::fat), "1");
    EXPECT_EQ(r.get(ProductRecord::carb), " ");
    EXPECT_EQ(r.get(ProductRecord::spare1), QString(30, QChar(0)));
    EXPECT_EQ(r.get(ProductRecord::spare2), QString(43, QChar(0)));
}

TEST(ProductRules, EditorCategoriesAreExactDistinctAndByCode)
{
    const std::vector products{product("a", "", "Dairy"),      product("b", "", "dairy"), product("c", "", " Dairy "),
                               product("d", "", "01.00 Deli"), product("e", "", ""),      product("f", "", "Bakery")};
    EXPECT_EQ(editorCategories(products), (QStringList{"01.00 Deli", "Bakery", "Dairy", "dairy"}));
}

TEST(ProductRules, ItemForANewProductIsPricedWithTheMoneyPattern)
{
    const ShoppingItemRecord item = makeEditorShoppingItem(product("Jam", "1.25", "Spreads"), "2");
    EXPECT_EQ(item.get(ShoppingItemRecord::price), "2.50  ");
    EXPECT_EQ(item.text(ShoppingItemRecord::quantity), "2");
    EXPECT_EQ(item.text(ShoppingItemRecord::category), "Spreads");
    EXPECT_EQ(item.get(ShoppingItemRecord::coupon), QString(6, QChar(0)));
    EXPECT_EQ(makeEditorShoppingItem(product("Tea", ".00"), "3").get(ShoppingItemRecord::price), ".00   ");
    EXPECT_EQ(makeEditorShoppingItem(product("TV", "999.99"), "3").get(ShoppingItemRecord::price), "2999.9");
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
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0].text(ProductRecord::item), "Bread");
    EXPECT_EQ(kept[1], products[2]);
    EXPECT_EQ(kept[2], products[4]);
    EXPECT_EQ(kept[0].get(ProductRecord::spare1), QString(30, QChar(0))) << "rebuilt from the five known fields";
    EXPECT_EQ(kept[0].get(ProductRecord::category), withSpares.get(ProductRecord::category));

    EXPECT_TRUE(keepAfterDeletion(bytesOf(products), {1, 2, 3, 4, 5}).isEmpty());
    const QByteArray plain = bytesOf(std::vector{products[0], products[2], products[3]});
    EXPECT_EQ(keepAfterDeletion(plain, {}), plain);
    EXPECT_EQ(keepAfterDeletion(plain + "partial", {9, 0, -1}), plain) << "no such records; the partial one goes";
}

TEST(ProductDeletion, KeepsEveryOtherRecordOfALargeFile)
{
    std::vector<ProductRecord> products;
    for (int i = 0; i < 5000; ++i)
        products.push_back(product(QString::number(i)));
    const auto kept = recordsFromBytes<ProductRecord>(keepAfterDeletion(bytesOf(products), {1, 2500, 5000}));
    ASSERT_EQ(kept.size(), 4997u);
    EXPECT_EQ(kept[0].text(ProductRecord::item), "1");
    EXPECT_EQ(kept[2497].text(ProductRecord::item), "2498");
    EXPECT_EQ(kept[2498].text(ProductRecord::item), "2500");
    EXPECT_EQ(kept.back().text(ProductRecord::item), "4998");
}

TEST(ProductDeletion, DefaultProductFileIsRecognisedAsAFile)
{
    TempFolder folder;
    EXPECT_TRUE(isDefaultProductFile("grocery.dat"));
    EXPECT_TRUE(isDefaultProductFile("GROCERY.DAT"));
    EXPECT_TRUE(isDefaultProductFile(folder.path() + "/grocery.dat"));
    EXPECT_FALSE(isDefaultProductFile("corner.dat"));
    EXPECT_FALSE(isDefaultProductFile("other/grocery.dat"));
}
