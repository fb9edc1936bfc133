#include "catalogue/CategoryRules.h"
#include "data/FileFaults.h"
#include "model/SharedState.h"
#include "support/Fixtures.h"

#include <QDir>

using namespace catalogue;
using data::ProductRecord;
using data::ShoppingItemRecord;

TEST(CategoryRules, RenameIgnoresCaseInTheListButNotInProductsAndChangesBothFilesOrNeither)
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

    // Both files are written before either is swapped in; whichever step fails, the two
    // lists stay as they were (the list swapped in first is put back) and one message says why.
    const QByteArray listBefore = TempFolder::read("grocery.lst");
    const std::tuple<data::FileStep, QString> faults[] = {{data::FileStep::Rename, "grocery.dat"},
                                                          {data::FileStep::Write, "grocery.lst"}};
    for (const auto& [step, file] : faults) {
        const data::FileFaultGuard full(step, file);
        EXPECT_EQ(renameCategory(state, "Dairy", "03.00 Dairy And Cheese Counter").error,
                  "Writing " + file + " failed: No space left on device");
        EXPECT_EQ(full.fired(), 1);
        EXPECT_EQ(TempFolder::read("grocery.dat"), bytesOf(products)) << file.toStdString();
        EXPECT_EQ(TempFolder::read("grocery.lst"), listBefore) << file.toStdString();
        EXPECT_EQ(QDir::current().entryList(QDir::Files), (QStringList{"grocery.dat", "grocery.lst"}));
    }
    ASSERT_TRUE(renameCategory(state, "Dairy", "03.00 Dairy And Cheese Counter"));
    // Cut to the field; in products DAIRY is another category, blanks around do not count.
    const QString cut = "03.00 Dairy And Cheese Co";
    EXPECT_EQ(TempFolder::read("grocery.lst"), bytesOf(std::vector{listItem("Milk", " 2.49", "1", cut, ".50"), items[1],
                                                                   listItem("Yogurt", " 1", "1", cut)}) +
                                                   QByteArray(20, 't'));
    EXPECT_EQ(recordsIn<ProductRecord>("grocery.dat"),
              (std::vector{product("Milk", "2.49", cut), products[1], product("Brie", "4.00", cut), products[3]}));
    EXPECT_EQ(state.items.count(), 3) << "both files are open again";
    EXPECT_EQ(state.products.count(), 4);

    // Nothing to rename in the list now: it is not written at all, so its fault never fires.
    const data::FileFaultGuard listFull(data::FileStep::Rename, "grocery.lst");
    ASSERT_TRUE(renameCategory(state, "DAIRY", "Cream"));
    EXPECT_EQ(listFull.fired(), 0);
    EXPECT_EQ(recordsIn<ProductRecord>("grocery.dat")[1], product("Cream", "1.00", "Cream"));
}
