#include "catalogue/TextExportRules.h"
#include "model/StoreFiles.h"
#include "support/MainWindowFixture.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMimeData>

using namespace data;
using ui::Answer;

TEST_F(MainWindowTest, FirstStartInAnEmptyFolderWithNothingToActOn)
{
    // A copy a killed run left half-way beside the file it was to replace goes (what else may
    // look alike: see the tidying's own test).
    TempFolder::write("grocery.dat", {});
    TempFolder::write("grocery.dat.pantrix-Ab12Cd", "half");
    start();
    EXPECT_FALSE(TempFolder::exists("grocery.dat.pantrix-Ab12Cd"));
    for (const char* f : {"grocery.dat", "grocery.lst", "pantlist.dat", "namefile.dat"})
        EXPECT_EQ(TempFolder::read(f), QByteArray()) << f << " exists empty";
    EXPECT_FALSE(TempFolder::exists("grocery.mrg")) << "looking for a merge file makes none";
    EXPECT_EQ(text("listlbl"), "grocery ($)");
    dialogs.ok("Nothing to save", ui::Title::none()).ok("Nothing to save", ui::Title::none());
    click("cattotxtcmd");
    trigger("printtext");

    // Commands are off with nothing to act on; own files are no stores.
    for (const char* off : {"foodoncmd", "editfoodcmd", "delfoodcmd", "foodoffcmd", "clearlistcmd", "printlistcmd",
                            "allcmd", "categorycmd"})
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

    key(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, LegacyListIsCarriedOverToTheDefaultList)
{
    const QByteArray legacy = bytesOf(std::vector{listItem("Milk", " 4.98", "2"), listItem("Café Noir", "3.10", "1")});
    TempFolder::write("pantlist.dat", legacy);
    TempFolder::write("namefile.dat", model::rememberedListBytes("store.lst"));
    start();
    EXPECT_EQ(TempFolder::read("grocery.lst"), legacy);
    EXPECT_FALSE(TempFolder::exists("pantlist.dat"));
    EXPECT_EQ(text("listlbl"), "grocery ($8.08)");
}

TEST_F(MainWindowTest, RememberedListThatIsGoneStartsEmptyAndIsOfferedForElimination)
{
    TempFolder::write("namefile.dat", model::rememberedListBytes("corner.lst"));
    start();
    EXPECT_EQ(text("listlbl"), "corner ($)");

    const QString eliminate = "corner.lst is empty and will be eliminated.";
    dialogs.answer(Answer::Cancel, eliminate, ui::Title::none());
    EXPECT_FALSE(window->close()) << "Cancel keeps the program running, also from the close box";
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::OkCancel);
    EXPECT_TRUE(TempFolder::exists("corner.lst") && TempFolder::exists("corner.dat"));

    dialogs.answer(Answer::Ok, eliminate);
    EXPECT_TRUE(quit());
    for (const char* gone : {"corner.lst", "corner.dat", "namefile.dat"})
        EXPECT_FALSE(TempFolder::exists(gone)) << gone;
    EXPECT_TRUE(TempFolder::exists("grocery.dat"));
}

TEST_F(MainWindowTest, AStoresOwnProductsGoWithoutWarningAndQuitWhileTheSearchHidesThemKeepsTheStore)
{
    TempFolder::write("corner.dat", bytesOf(std::vector{product("Milk", "2.49"), product("Tea"), product("Soap")}));
    TempFolder::write("namefile.dat", model::rememberedListBytes("corner.lst"));
    start();
    selectProducts({0});
    dialogs.answer(Answer::Yes, "Delete selected item(s)?");
    click("delfoodcmd");
    EXPECT_EQ(recordsIn<ProductRecord>("corner.dat").size(), 2u) << "no warning for a store's own product file";

    QTest::keyClicks(find<QLineEdit>("searchtxt"), "zzz");
    EXPECT_TRUE(productRows().isEmpty());
    EXPECT_TRUE(quit());
    EXPECT_EQ(TempFolder::read("namefile.dat"), QByteArray("corner.lst") + QByteArray(20, ' '));
}

TEST_F(MainWindowTest, FilesOfAnotherProgramAreShownAndKeptByteForByte)
{
    std::vector products{product("Milk", ".49", "02.10 Dairy"), product("Cheese", "  2.49", "02.10 Dairy"),
                         product("Crème", "", "")};
    products[2].clear(ProductRecord::price);
    products[2].clear(ProductRecord::category);
    products[0].bytes[60] = 'q'; // something in spare1 nobody reads
    TempFolder::write("grocery.dat", bytesOf(products));
    std::vector items{listItem("Milk", " 4.98", "2", "02.10 Dairy"), listItem("Cheese", "2.49", "1")};
    items[1].bytes[148] = 'z';
    TempFolder::write("grocery.lst", bytesOf(items));
    start();

    // A price entry rewrites only the price; a quantity change only its own fields.
    selectProducts({2});
    dialogs.type("1.5");
    rightClickProducts();
    products[0].set(ProductRecord::price, u"1.50");
    EXPECT_EQ(TempFolder::read("grocery.dat"), bytesOf(products));

    dialogs.type("3").type("");
    doubleClickShoppingRow(0);
    items[1].set(ShoppingItemRecord::quantity, u"3");
    items[1].set(ShoppingItemRecord::price, u" 7.47");
    EXPECT_EQ(TempFolder::read("grocery.lst"), bytesOf(items));
}

TEST_F(MainWindowTest, CategoryBoxQuickSearchDietFiltersAndPriceEntryByRightClick)
{
    TempFolder::write(
        "grocery.dat",
        bytesOf(std::vector{product("Butter", "3.99", "Dairy", true), product("Bread", "2.00", "Bakery", false, true),
                            product("Milk", "2.49", "dairy"), product("apple pie", "4.00", "Bakery")}));
    start();
    QAbstractItemModelTester tester(productView()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    auto* combo = find<QListWidget>("Combo1");
    ASSERT_EQ(combo->count(), 3); // All, Bakery, Dairy
    combo->setCurrentRow(2);
    EXPECT_EQ(text("productlist"), "Dairy (2)");
    click("allcmd");
    EXPECT_EQ(text("productlist"), "Product List (4)");
    EXPECT_FALSE(enabled("allcmd"));

    auto* search = find<QLineEdit>("searchtxt");
    QTest::keyClicks(search, "Bu");
    EXPECT_EQ(productRows(), (QStringList{"Butter"}));
    EXPECT_TRUE(search->hasFocus()) << "each keystroke narrows the list and typing goes on";
    click("clearsrchcmd");
    EXPECT_EQ(productRows().size(), 4);

    // The menu item and the toggle button are one filter, however the button is toggled
    // (here as a screen reader does it).
    QAccessibleInterface* fat = QAccessible::queryAccessibleInterface(find<QWidget>("fatbutton"));
    ASSERT_TRUE(fat && fat->actionInterface());
    fat->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(window->findChild<QAction*>("lofatcmd")->isChecked());
    EXPECT_EQ(productRows(), (QStringList{"Bread", "Milk", "apple pie"}));
    trigger("lofatcmd");
    EXPECT_FALSE(find<QAbstractButton>("fatbutton")->isChecked());
    EXPECT_EQ(productRows().size(), 4);

    productView()->selectionModel()->clearSelection();
    dialogs.ok("Select an item first, then right-click");
    rightClickProducts();
    selectProducts({0, 1});
    EXPECT_EQ(text("selectedlbl"), "2 selected");
    rightClickProducts(); // several selected: nothing

    selectProducts({3}); // rows: Bread, Butter, Milk, apple pie
    const QString prompt = "Enter price for APPLE PIE or cancel for no change.\r\n"
                           "    (To remove a price altogether, press the spacebar once and click OK.)\r\n\r\n\r\n\r\n";
    dialogs.type("abc", prompt, ui::Title::own("Add or Change Item Price"))
        .ok("Bad entry.", ui::Title::own("Error"))
        .type("12345.67", prompt)
        .ok("Bad entry.  12345.67 does not fit the 6 characters a price is stored in.  "
            "The largest price with cents is 999.99.",
            ui::Title::own("Error"))
        .type("2.5", prompt);
    rightClickProducts();
    EXPECT_EQ(dialogs.boxes()[1].defaultAnswer, "4.00");
    EXPECT_EQ(text("pricelbl"), "2.50");

    // Cancel keeps the price; a blank removes it.
    for (auto [typed, stored] : {std::pair{"0.75", ".75   "}, {"", ".75   "}, {" ", ".00   "}}) {
        dialogs.type(typed);
        rightClickProducts();
        EXPECT_EQ(products()[3].get(ProductRecord::price), stored);
    }
}

class ShoppingListWindowTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        TempFolder::write("grocery.dat",
                          bytesOf(std::vector{product("Milk", "2.49", "02 Dairy"), product("Salt", "", "Spices"),
                                              product("Bread", "2.00", "10 Bakery")}));
    }
};

TEST_F(ShoppingListWindowTest, AddWithF2OrADoubleClickThatAsksTheQuantity)
{
    start();
    selectProducts({1, 2}); // Milk, Salt (rows are Bread, Milk, Salt)
    key(Qt::Key_F2);
    ASSERT_EQ(items().size(), 2u);
    EXPECT_EQ(text("listlbl"), "grocery ($2.49)") << "Salt has no price of its own: 0, not the one before";
    EXPECT_TRUE(enabled("clearlistcmd"));
    selectProducts({1});
    click("foodoncmd");
    EXPECT_EQ(items().size(), 3u) << "no duplicate check";

    dialogs.type("two", "Enter a quantity...", ui::Title::application())
        .ok("Bad entry")
        .type("1.25") // a number, but not one that fits the field
        .ok("Bad entry")
        .type("999") // a price the field cannot hold
        .ok("Bad entry  2487.51 does not fit the 6 characters a price is stored in.  "
            "The largest price with cents is 999.99.")
        .type("2", "Enter a quantity...");
    doubleClickProduct(1);
    EXPECT_EQ(dialogs.boxes()[0].defaultAnswer, "2");
    ASSERT_EQ(items().size(), 4u);
    EXPECT_EQ(items()[3].get(ShoppingItemRecord::price), " 4.98 ");
    EXPECT_EQ(state.addMode, model::AddMode::Plain);
    dialogs.type("");
    doubleClickProduct(0);
    EXPECT_EQ(items().size(), 4u) << "Cancel adds nothing";
}

TEST_F(ShoppingListWindowTest, RemoveTakesTheSelectedItemNotItsFirstNamesakeAndClearAsksFirst)
{
    std::vector list{listItem("Milk", " 2.49", "1"), listItem("Bread", " 2", "1"),
                     listItem("Milk", " 4.98", "2", "", ".50")};
    TempFolder::write("grocery.lst", bytesOf(list));
    start();
    shoppingView()->clearSelection();
    dialogs.ok("Select an item", ui::Title::own("Remove..."));
    click("foodoffcmd");

    selectShoppingRow(2); // (2) Milk (coupon .50)
    click("foodoffcmd");
    const QByteArray kept = bytesOf(std::vector{list[0], list[1]});
    EXPECT_EQ(TempFolder::read("grocery.lst"), kept);
    EXPECT_EQ(shoppingView()->currentIndex().row(), 0) << "no row left at that position: the first";
    EXPECT_FALSE(find<QWidget>("coupontotalcmd")->isVisible());

    const QString question = "Erase the contents of this Shopping List? This is an irreversable move!  Are you sure?";
    dialogs.answer(Answer::No, question, ui::Title::own("Confirm"));
    click("clearlistcmd");
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::YesNo);
    EXPECT_EQ(TempFolder::read("grocery.lst"), kept);
    dialogs.answer(Answer::Yes, question);
    click("clearlistcmd");
    EXPECT_EQ(TempFolder::read("grocery.lst"), QByteArray());
    EXPECT_EQ(text("listlbl"), "grocery ($)");
    EXPECT_FALSE(enabled("clearlistcmd") || enabled("foodoffcmd") || enabled("printlistcmd"));
}

TEST_F(ShoppingListWindowTest, OrdersCouponsCostAndChangesThatMayRename)
{
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("bread", " 2", "1", "10 Bakery"),
                                                         listItem("Milk", " 4.98", "2", "02 Dairy", "  .5"),
                                                         listItem("Jam", "3.00", "0", "05 Spreads")}));
    start();
    find<QAbstractButton>("sortcat")->setChecked(true); // as the keyboard's arrow does
    EXPECT_EQ(shoppingRows(), (QStringList{"(2) Milk (coupon .50)   (02 Dairy)", "(0) Jam   (05 Spreads)",
                                           "     bread   (10 Bakery)"}));
    click("alphasort");
    EXPECT_EQ(shoppingRows()[1], "(2) Milk (coupon .50)");
    EXPECT_EQ(find<QAbstractButton>("coupontotalcmd")->text(), "Coupon savings = $.50");
    selectShoppingRow(1);
    EXPECT_EQ(text("costlbl"), "4.48");

    dialogs.type("3", "Enter a NEW quantity for Milk").type("Skim Milk", "Modify the item information for Milk");
    doubleClickShoppingRow(1);
    EXPECT_EQ(shoppingRows()[1], "(3) Skim Milk (coupon .50)");
}

TEST_F(ShoppingListWindowTest, TheKeyboardDoesWhatTheMouseDoesInBothLists)
{
    start();
    const auto menuKey = [](QWidget* list) {
        // What the menu key sends to the list that has the focus.
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), list->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(list, &event);
    };
    productView()->setFocus();
    selectProducts({1}); // rows: Bread, Milk, Salt
    dialogs.type("2", "Enter a quantity...");
    QTest::keyClick(productView(), Qt::Key_Return);
    ASSERT_EQ(items().size(), 1u);
    dialogs.type("2,59").ok("Bad entry.  Type a point, not a comma, before the cents: 2.59", ui::Title::own("Error"));
    dialogs.type("2.59");
    QTest::keyClick(productView(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(products()[0].get(ProductRecord::price), "2.59  ") << "the price, not F10's erasing of all prices";
    dialogs.type("");
    menuKey(productView());

    shoppingView()->setFocus();
    // Where the focus coming to the list made a row current without selecting it, the keys
    // act on that row.
    const auto keyboardOnFirstItem = [this] {
        shoppingView()->selectionModel()->setCurrentIndex(shoppingView()->model()->index(0, 0),
                                                          QItemSelectionModel::Clear);
    };
    keyboardOnFirstItem();
    dialogs.type("3", "Enter a NEW quantity for Milk").type("");
    QTest::keyClick(shoppingView(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(items()[0].get(ShoppingItemRecord::quantity), "3  ");
    auto* panel = find<QWidget>("couponpanel");
    keyboardOnFirstItem();
    menuKey(shoppingView());
    ASSERT_TRUE(panel->isVisible());
    QTest::keyClick(find<QWidget>("valuetxt"), Qt::Key_Escape);
    EXPECT_FALSE(panel->isVisible()) << "Esc cancels the coupon";
    EXPECT_TRUE(window->isVisible()) << "and does not quit";
    EXPECT_TRUE(shoppingView()->hasFocus());
    QTest::keyClick(shoppingView(), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(panel->isVisible());
    QTest::keyClicks(find<QWidget>("valuetxt"), ".5");
    QTest::keyClick(find<QWidget>("valuetxt"), Qt::Key_Return);
    EXPECT_EQ(shoppingRows(), (QStringList{"(3) Milk (coupon .50)"}));

    // Ctrl+C copies the selected rows as shown, in the list's order; the menu copies the
    // whole list as the text file has it.
    selectShoppingRow(0);
    QTest::keyClick(shoppingView(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "(3) Milk (coupon .50)");
    productView()->setFocus();
    selectProducts({2, 0});
    QTest::keyClick(productView(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Bread\nSalt");
    trigger("copylistcmd");
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringList({"(3) Milk (coupon .50)", "  ",
                           "Pantrix Shopping List " + catalogue::exportDate(QDate::currentDate()), "6.97", ""})
                  .join('\n'));

    // Dragged products are added as Add adds them; a drag of anything else is refused.
    const QModelIndexList dragged = productView()->selectionModel()->selectedRows();
    std::unique_ptr<QMimeData> products(productView()->model()->mimeData(dragged));
    QMimeData text;
    text.setText("Bread");
    QWidget* target = shoppingView()->viewport();
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(target, &refused);
    EXPECT_FALSE(refused.isAccepted());
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, products.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, products.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    EXPECT_EQ(shoppingRows(), (QStringList{"     Bread", "(3) Milk (coupon .50)", "     Salt"}));

    // Esc gives up a search being typed; from the empty box it quits, as from the window.
    find<QWidget>("List2")->setFocus();
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    auto* search = find<QLineEdit>("searchtxt");
    ASSERT_TRUE(search->hasFocus());
    QTest::keyClicks(search, "Mi");
    QTest::keyClick(search, Qt::Key_Escape);
    EXPECT_EQ(search->text(), "");
    EXPECT_EQ(productRows().size(), 3);
    ASSERT_TRUE(window->isVisible());
    QTest::keyClick(search, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}
