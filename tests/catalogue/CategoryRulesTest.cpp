#include "catalogue/CategoryRules.h"
#include "data/FileFaults.h"
#include "model/SharedState.h"
#include "support/Fixtures.h"

using namespace catalogue;
using data::ProductRecord;
using data::ShoppingItemRecord;

TEST(CategoryRules, RenameIgnoresCaseInTheListButNotInProductsAndWritesEachFileWholeOrNotAtAll)
{
    TempFolder folder;
    const std::vector products{product("Milk", "2.49", "Dairy"), product("Cream", "1.00", "DAIRY"),
                               product("Brie", "4.00", " Dairy"), product("Bread", "2.00", "Bakery")};
    const std::vector items{listItem("Milk", " 2.49", "1", "DAIRY", ".50"), listItem("Bread", " 2", "1", "Bakery"),
                            listItem("Yogurt", " 1", "1", "dairy ")};
    // The partial record at the end of the list is another program's and stays.
    TempFolder::write("grocery.dat", bytesOf(products));
    TempFolder::write("grocery.lst", bytesOf(items) + QByteArray(20, 't'));
    model::SharedState state;
    ASSERT_TRUE(state.products.open("grocery.dat"));
    ASSERT_TRUE(state.items.open("grocery.lst"));

    {
        const data::FileFaultGuard full(data::FileStep::Rename, "grocery.dat");
        EXPECT_EQ(renameCategory(state, "Dairy", "03.00 Dairy And Cheese Counter").error,
                  "Writing grocery.dat failed: No space left on device");
    }
    EXPECT_EQ(TempFolder::read("grocery.dat"), bytesOf(products)) << "not one record renamed";
    // Cut to the field; in products DAIRY is another category, blanks around do not count.
    const QString cut = "03.00 Dairy And Cheese Co";
    EXPECT_EQ(TempFolder::read("grocery.lst"), bytesOf(std::vector{listItem("Milk", " 2.49", "1", cut, ".50"), items[1],
                                                                   listItem("Yogurt", " 1", "1", cut)}) +
                                                   QByteArray(20, 't'));

    // Nothing to rename in the list now: it is not written at all, so its fault never fires.
    const data::FileFaultGuard listFull(data::FileStep::Rename, "grocery.lst");
    ASSERT_TRUE(renameCategory(state, "Dairy", cut));
    EXPECT_EQ(listFull.fired(), 0);
    EXPECT_EQ(recordsIn<ProductRecord>("grocery.dat"),
              (std::vector{product("Milk", "2.49", cut), products[1], product("Brie", "4.00", cut), products[3]}));
}
