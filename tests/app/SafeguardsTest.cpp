// What only matters when something is refused or gone: commands that are off, keys that
// still answer, rows whose records vanished, controls reached without a mouse.
#include "support/MainWindowFixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QRadioButton>
#include <QTest>

using namespace data;
using ui::Answer;

TEST_F(MainWindowTest, CommandsAreOffWithNothingToActOn)
{
    start();
    for (const char* off :
         {"foodoncmd", "editfoodcmd", "delfoodcmd", "foodoffcmd", "clearlistcmd", "allcmd", "categorycmd"})
        EXPECT_FALSE(enabled(off)) << off;
    EXPECT_TRUE(enabled("importbutton")) << "Import on the toolbar is always there";
    // F2 still answers with nothing to add.
    dialogs.ok("Select an item!");
    key(Qt::Key_F2);
    EXPECT_EQ(dialogs.last().title, ui::Title::own("Add..."));
    EXPECT_EQ(TempFolder::read("grocery.lst"), QByteArray());

    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49", "Dairy")}));
    window->RebuildProductList();
    for (const char* on : {"foodoncmd", "editfoodcmd", "delfoodcmd"})
        EXPECT_TRUE(enabled(on)) << on;
    click("foodoncmd");
    EXPECT_TRUE(enabled("foodoffcmd") && enabled("clearlistcmd"));
}

TEST_F(MainWindowTest, RenameIsOnlyOfferedForOneCategory)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49", "Dairy")}));
    start();
    auto* combo = find<QListWidget>("Combo1");
    combo->setCurrentRow(1);
    ASSERT_TRUE(enabled("categorycmd"));
    // A new name cut to the field no longer matches what is viewed: the view goes back to
    // All, and renaming "All" is not offered.
    const QString longName = "Dairy Products And Cheeses Of All Kinds";
    dialogs.type(longName).answer(Answer::Ok).ok("Category changed");
    click("categorycmd");
    EXPECT_EQ(recordsIn<ProductRecord>("grocery.dat")[0].text(ProductRecord::category), longName.left(25));
    EXPECT_EQ(combo->currentRow(), 0);
    EXPECT_FALSE(enabled("categorycmd"));
    EXPECT_FALSE(enabled("allcmd"));
}

TEST_F(MainWindowTest, AVanishedCategoryHighlightsAll)
{
    TempFolder::write("grocery.dat",
                      bytesOf(std::vector{product("Milk", "2.49", "Dairy"), product("Tea", "1", "Drinks")}));
    start();
    auto* combo = find<QListWidget>("Combo1"); // All, Dairy, Drinks
    // Another program takes Dairy away; the user clicks it.
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Tea", "1", "Drinks")}));
    QTest::mouseClick(combo->viewport(), Qt::LeftButton, {}, combo->visualItemRect(combo->item(1)).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(productRows(), QStringList{"Tea"});
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentRow(), 0);
    EXPECT_EQ(combo->selectedItems().value(0)->text(), "All");
}

TEST_F(MainWindowTest, RowsWhoseRecordsVanishedRebuildTheView)
{
    const std::vector list{listItem("A", " 1", "1"), listItem("B", " 1", "1"), listItem("C", " 1", "1"),
                           listItem("D", " 1", "1")};
    TempFolder::write("grocery.lst", bytesOf(list));
    start();
    ASSERT_EQ(shoppingRows().size(), 4);
    // Another program shortens the list to one record while four rows are shown.
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
    EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(MainWindowTest, FiltersAndOrderFollowTheirControlsHoweverReached)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Butter", "3.99", "Dairy", true),
                                                         product("Bread", "2.00", "Bakery", false, true)}));
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Apple", " 1", "1", "Produce"),
                                                         listItem("Zucchini", " 1", "1", "Bakery")}));
    start();
    // As a screen reader toggles the button.
    QAccessibleInterface* fat = QAccessible::queryAccessibleInterface(find<QWidget>("fatbutton"));
    ASSERT_TRUE(fat && fat->actionInterface());
    fat->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(productRows(), QStringList{"Bread"});
    EXPECT_TRUE(window->findChild<QAction*>("lofatcmd")->isChecked());

    find<QRadioButton>("sortcat")->setChecked(true); // the keyboard's arrow does this
    EXPECT_EQ(shoppingRows().first(), "     Zucchini   (Bakery)");
}

TEST_F(MainWindowTest, QuantitiesThatCannotBeWrittenWholeAreAskedAgain)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Steak", "99.99")}));
    start();
    dialogs.type("1.25").ok("Bad entry").type("0.75");
    doubleClickProduct(0);
    const auto items = recordsIn<ShoppingItemRecord>("grocery.lst");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].text(ShoppingItemRecord::quantity), ".75");
    EXPECT_EQ(items[0].text(ShoppingItemRecord::price), "74.993") << "computed from the quantity as stored";
}

TEST_F(MainWindowTest, OneOfTheProgramsOwnFilesIsNoStoreToOpen)
{
    start();
    TempFolder::write("pantrecp.lst", QByteArray());
    dialogs.choose(QDir::current().filePath("pantrecp.lst"))
        .ok("\"pantrecp.lst\" is one of the program's own files, not a shopping list.");
    trigger("openfilecmd");
    EXPECT_EQ(state.ListFile, "grocery.lst");
}
