#include "model/ShoppingListRules.h"
#include "support/Fixtures.h"

#include <cstdio>

using namespace model;
using data::ShoppingItemRecord;

namespace {
QStringList texts(const ShoppingListView& v)
{
    QStringList out;
    for (const auto& row : v.rows)
        out << row.text;
    return out;
}
} // namespace

TEST(ShoppingList, RowsTotalsAndCoupons)
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
}

TEST(ShoppingList, CategoryOrderByCodeKeepsOrderOfAddingAndShowsUnwrittenFields)
{
    const auto view = buildShoppingList({listItem("b1", "1", "1", "bread"), listItem("p1", "1", "1", "Produce"),
                                         listItem("d1", "1", "1", "02 Dairy"), listItem("k1", "1", "1", "10 Bakery"),
                                         listItem("d2", "1", "1", "02 Dairy"), listItem("a0", "1", "1", "02 Dairy")},
                                        ListOrder::ByCategory);
    EXPECT_EQ(texts(view), (QStringList{"     d1   (02 Dairy)", "     d2   (02 Dairy)", "     a0   (02 Dairy)",
                                        "     k1   (10 Bakery)", "     p1   (Produce)", "     b1   (bread)"}));
    EXPECT_EQ(view.rows[0].record, 3);

    ShoppingItemRecord eggs; // fields never written show as blank ones do
    eggs.set(ShoppingItemRecord::item, u"Eggs");
    const auto unwritten = buildShoppingList({eggs}, ListOrder::ByCategory);
    EXPECT_EQ(unwritten.rows[0].text, "     Eggs   ()");
    EXPECT_EQ(unwritten.totalText, ".00");
}

TEST(ShoppingList, QuantitiesAndPricesAreStoredWholeAndAgree)
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
}

TEST(ShoppingList, ProductsAreTakenOnlyWhileTheirRecordsAreInTheirFile)
{
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
