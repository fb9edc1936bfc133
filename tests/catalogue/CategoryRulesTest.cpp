#include "catalogue/CategoryRules.h"
#include "model/SharedState.h"
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
    model::SharedState state;
    state.products.open("grocery.dat");
    state.items.open("grocery.lst");

    ASSERT_TRUE(renameCategory(state, "Dairy", "03.00 Dairy And Cheese Counter"));
    // Cut to the field; in products DAIRY is another category, blanks around do not count.
    const QString cut = "03.00 Dairy And Cheese Co";
    EXPECT_EQ(recordsIn<ProductRecord>("grocery.dat"),
              (std::vector{product("Milk", "2.49", cut), products[1], product("Brie", "4.00", cut), products[3]}));
    EXPECT_EQ(recordsIn<ShoppingItemRecord>("grocery.lst"),
              (std::vector{listItem("Milk", " 2.49", "1", cut, ".50"), items[1], listItem("Yogurt", " 1", "1", cut)}));
}
