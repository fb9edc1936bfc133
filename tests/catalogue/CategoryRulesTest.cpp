#include "catalogue/CategoryRules.h"
#include "data/FileFaults.h"
#include "model/SharedState.h"
#include "support/Fixtures.h"

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
    ASSERT_TRUE(state.products.open("grocery.dat"));
    ASSERT_TRUE(state.items.open("grocery.lst"));

    ASSERT_TRUE(renameCategory(state, "Dairy", "03.00 Dairy And Cheese Counter"));
    // Cut to the field; in products DAIRY is another category, blanks around do not count.
    const QString cut = "03.00 Dairy And Cheese Co";
    EXPECT_EQ(recordsIn<ProductRecord>("grocery.dat"),
              (std::vector{product("Milk", "2.49", cut), products[1], product("Brie", "4.00", cut), products[3]}));
    EXPECT_EQ(recordsIn<ShoppingItemRecord>("grocery.lst"),
              (std::vector{listItem("Milk", " 2.49", "1", cut, ".50"), items[1], listItem("Yogurt", " 1", "1", cut)}));
}

TEST(CategoryRules, EachFileIsRenamedWholeOrNotAtAll)
{
    TempFolder folder;
    std::vector<ProductRecord> products;
    for (int i = 0; i < 40; ++i)
        products.push_back(product(QStringLiteral("Product %1").arg(i), "1.00", i % 2 ? "Dairy" : "Bakery"));
    // The partial record at the end is another program's and stays.
    const std::vector items{listItem("Milk", " 1", "1", "Dairy"), listItem("Bread", " 2", "1", "Bakery"),
                            listItem("Old", " 1", "1", "Dairy")};
    const QByteArray productBytes = bytesOf(products);
    const QByteArray itemBytes = bytesOf(items) + QByteArray(20, 't');
    TempFolder::write("grocery.dat", productBytes);
    TempFolder::write("grocery.lst", itemBytes);
    model::SharedState state;
    ASSERT_TRUE(state.products.open("grocery.dat"));
    ASSERT_TRUE(state.items.open("grocery.lst"));

    {
        const data::FileFaultGuard full(data::FileStep::Rename, "grocery.dat");
        EXPECT_EQ(renameCategory(state, "Dairy", "Milk Things").error,
                  "Writing grocery.dat failed: No space left on device");
    }
    EXPECT_EQ(TempFolder::read("grocery.dat"), productBytes) << "not one record renamed";
    QByteArray renamedItems = bytesOf(
        std::vector{listItem("Milk", " 1", "1", "Milk Things"), items[1], listItem("Old", " 1", "1", "Milk Things")});
    EXPECT_EQ(TempFolder::read("grocery.lst"), renamedItems + QByteArray(20, 't'));

    // Nothing to rename in the list now: it is not written at all, so its fault never fires.
    const data::FileFaultGuard listFull(data::FileStep::Rename, "grocery.lst");
    ASSERT_TRUE(renameCategory(state, "Dairy", "Milk Things"));
    EXPECT_EQ(listFull.fired(), 0);
    for (const ProductRecord& p : recordsIn<ProductRecord>("grocery.dat"))
        EXPECT_NE(p.text(ProductRecord::category), "Dairy");
}
