// What only matters when something is refused or gone: commands that are off, keys that
// still answer, rows whose records vanished, controls reached without a mouse.
#include "support/MainWindowFixture.h"

#include <QTest>

using namespace data;
using ui::Answer;

TEST_F(MainWindowTest, CommandsAreOffWithNothingToActOnAndOwnFilesAreNoStores)
{
    start();
    for (const char* off :
         {"foodoncmd", "editfoodcmd", "delfoodcmd", "foodoffcmd", "clearlistcmd", "allcmd", "categorycmd"})
        EXPECT_FALSE(enabled(off)) << off;
    EXPECT_TRUE(enabled("importbutton")) << "Import on the toolbar is always there";
    // F2 still answers with nothing to add.
    dialogs.ok("Select an item!", ui::Title::own("Add..."));
    key(Qt::Key_F2);
    EXPECT_EQ(TempFolder::read("grocery.lst"), QByteArray());

    TempFolder::write("pantrecp.lst", QByteArray());
    dialogs.choose(QDir::current().filePath("pantrecp.lst"))
        .ok("\"pantrecp.lst\" is one of the program's own files, not a shopping list.");
    trigger("openfilecmd");
    EXPECT_EQ(state.ListFile, "grocery.lst");
}

// Another program changes the files while the window shows them.
TEST_F(MainWindowTest, RecordsThatVanishedRebuildTheViews)
{
    TempFolder::write("grocery.dat",
                      bytesOf(std::vector{product("Milk", "2.49", "Dairy"), product("Tea", "1", "Drinks")}));
    const std::vector list{listItem("A", " 1", "1"), listItem("B", " 1", "1"), listItem("C", " 1", "1"),
                           listItem("D", " 1", "1")};
    TempFolder::write("grocery.lst", bytesOf(list));
    start();
    auto* combo = find<QListWidget>("Combo1"); // All, Dairy, Drinks
    // Dairy is taken away; the user clicks it.
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Tea", "1", "Drinks")}));
    QTest::mouseClick(combo->viewport(), Qt::LeftButton, {}, combo->visualItemRect(combo->item(1)).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(productRows(), QStringList{"Tea"});
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentRow(), 0);
    EXPECT_EQ(combo->selectedItems().value(0)->text(), "All");

    // The list is shortened to one record while four rows are shown.
    ASSERT_EQ(shoppingRows().size(), 4);
    TempFolder::write("grocery.lst", bytesOf(std::vector{list[0]}));
    selectShoppingRow(3);
    click("foodoffcmd");
    EXPECT_EQ(TempFolder::read("grocery.lst"), bytesOf(std::vector{list[0]})) << "nothing else goes";
    EXPECT_EQ(shoppingRows(), QStringList{"     A"});

    TempFolder::write("grocery.lst", QByteArray());
    selectShoppingRow(0);
    rightClickShoppingList(); // no coupon panel for a record that is gone
    EXPECT_FALSE(find<QWidget>("couponpanel")->isVisible());
    EXPECT_TRUE(shoppingRows().isEmpty());
}
