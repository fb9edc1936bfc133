#include "catalogue/CategoryRules.h"
#include "app/SharedState.h"
#include "support/Fixtures.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace catalogue;
using data::ProductRecord;
using data::ShoppingItemRecord;

TEST(CategoryRules, RenameIgnoresCaseInTheListButNotInProducts)
{
    TempFolder folder;
    const std::vector products{product("Milk", "2.49", "Dairy"), product("Cream", "1.00", "DAIRY"),
                               product("Brie", "4.00", " Dairy"), product("Bread", "2.00", "Bakery")};
    const std::vector items{listItem("Milk", " 2.49", "1", "DAIRY", ".50"), listItem("Bread", " 2", "1", "Bakery"),
                            listItem("Yogurt", " 1", "1", "dairy ")};
    TempFolder::write("grocery.dat", bytesOf(products));
    TempFolder::write("grocery.lst", bytesOf(items));
    app::SharedState state;
    state.products.open("grocery.dat");
    state.items.open("grocery.lst");
    state.ProductCount = 4;
    state.ItemCount = 3;

    ASSERT_TRUE(renameCategory(state, "Dairy", "03.00 Dairy And Cheese Counter"));

    const auto p = recordsIn<ProductRecord>("grocery.dat");
    EXPECT_EQ(p[0].text(ProductRecord::category), "03.00 Dairy And Cheese Co") << "cut to 25 characters";
    EXPECT_EQ(p[1], products[1]) << "DAIRY is another category among products";
    EXPECT_EQ(p[2].text(ProductRecord::category), "03.00 Dairy And Cheese Co") << "blanks around do not count";
    EXPECT_EQ(p[3], products[3]);
    EXPECT_EQ(p[0].get(ProductRecord::spare1), products[0].get(ProductRecord::spare1)) << "other fields stay";

    const auto l = recordsIn<ShoppingItemRecord>("grocery.lst");
    EXPECT_EQ(l[0].text(ShoppingItemRecord::category), "03.00 Dairy And Cheese Co");
    EXPECT_EQ(l[0].get(ShoppingItemRecord::coupon), items[0].get(ShoppingItemRecord::coupon));
    EXPECT_EQ(l[1], items[1]);
    EXPECT_EQ(l[2].text(ShoppingItemRecord::category), "03.00 Dairy And Cheese Co");
}
