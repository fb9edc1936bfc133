#include "support/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace data;
using ui::Answer;

namespace {

QString padded(const QString& text, int width)
{
    return text.leftJustified(width, u' ');
}

class CustomListWindowTest : public MainWindowTest
{
protected:
    QListWidget* list(const char* name) const { return find<QListWidget>(name); }
    QStringList rows(const char* name) const
    {
        QStringList out;
        for (int r = 0; r < list(name)->count(); ++r)
            out << list(name)->item(r)->text();
        return out;
    }
    void clickRow(const char* name, int row)
    {
        QCoreApplication::processEvents(); // lay out the list that was just shown
        QListWidget* view = list(name);
        view->scrollToItem(view->item(row));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(view->item(row)).center());
    }
    void selectItems(std::initializer_list<int> rowsToSelect)
    {
        for (int r : rowsToSelect)
            list("List4")->item(r)->setSelected(true);
    }
    // The colour a list paints where it shows no row.
    QColor background(const char* name) const
    {
        QWidget* viewport = list(name)->viewport();
        return viewport->grab().toImage().pixelColor(viewport->width() - 3, viewport->height() - 3);
    }
    bool showsShoppingList() const
    {
        return !shoppingView()->isHidden() && list("List3")->isHidden() && list("List4")->isHidden() &&
               list("List5")->isHidden() && find<QWidget>("custompanel")->isHidden();
    }
    QWidget* menu() const { return find<QWidget>("pantcust"); }
    QAbstractButton* customButton() const { return find<QAbstractButton>("custombutton"); }
};

const std::vector<CustomListRecord> kLists{
    customRecord("Party", "Milk", "2.49", "Dairy"), customRecord("Weekly", "Bread", "2.00", "Bakery"),
    customRecord("Party", "Eggs", "1.50", "Dairy"), customRecord("Weekly", "Tea", "3.10", "Drinks"),
    customRecord("Party", "Apple", ".99", "Produce")};

} // namespace

TEST_F(CustomListWindowTest, MenuWindowRunsTheChosenCommandOnce)
{
    start();
    click("custombutton");
    ASSERT_TRUE(menu()->isVisible());
    EXPECT_FALSE(customButton()->isEnabled()) << "disabled while the menu is open";
    EXPECT_TRUE(menu()->windowFlags().testFlag(Qt::FramelessWindowHint)) << "no caption";
    EXPECT_EQ(menu()->palette().color(QPalette::Window), QColor(192, 255, 192));
    EXPECT_EQ(find<QAbstractButton>("SSCommand5")->text(), "GET custom list item(s) for the shopping list");

    // A click on the main window closes the menu without running anything.
    QTest::mouseClick(shoppingView()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(menu()->isVisible());
    EXPECT_TRUE(customButton()->isEnabled());

    click("custombutton");
    click("SSCommand8");
    EXPECT_FALSE(menu()->isVisible());
    EXPECT_TRUE(customButton()->isEnabled());

    click("custombutton");
    dialogs.ok("No lists on file!");
    click("SSCommand4");
    EXPECT_EQ(dialogs.last().title, ui::Title::none());
    EXPECT_FALSE(menu()->isVisible());
    EXPECT_TRUE(customButton()->isEnabled());
    EXPECT_EQ(state.ListChoiceCode, 0);
    EXPECT_EQ(state.pickerMode, app::PickerMode::None);
    window->HandleActivation(); // a later activation runs nothing again
    EXPECT_EQ(dialogs.boxes().size(), 1u);
    EXPECT_TRUE(TempFolder::exists("pantrecp.dat"));
}

TEST_F(CustomListWindowTest, CreateAndAddTakeTheSelectedProducts)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49", "Dairy"), product("Bread", "2.00"),
                                                         product("Eggs", "1.50", "Dairy")}));
    TempFolder::write("pantrecp.dat", bytesOf(std::vector{customRecord("Party", "Chips")}));
    start(); // rows: Bread, Eggs, Milk
    selectProducts({0});
    dialogs.ok("A custom list requires selection of more than one item on the Product List.");
    trigger("recmakecmd");

    selectProducts({2, 1});
    const QString prompt = "Type a name for this custom Product List.";
    dialogs.type("party", prompt).ok("Name already exists!").type("bbq PARTY mix", prompt);
    dialogs.ok("Product List for Bbq Party Mix is now on file.");
    trigger("recmakecmd");
    EXPECT_EQ(dialogs.boxes()[2].title, ui::Title::own("Oops!"));
    std::vector<CustomListRecord> file = recordsIn<CustomListRecord>("pantrecp.dat");
    ASSERT_EQ(file.size(), 3u);
    EXPECT_EQ(file[1], customRecord("Bbq Party Mix", "Eggs", "1.50", "Dairy")) << "in row order";
    EXPECT_EQ(file[2], customRecord("Bbq Party Mix", "Milk", "2.49", "Dairy"));

    selectProducts({0});
    trigger("recaddcmd");
    EXPECT_EQ(rows("List3"), (QStringList{"Select a list to add to...", "", "CLICK HERE TO RETURN TO SHOPPING LIST", "",
                                          padded("Bbq Party Mix", 30), padded("Party", 30)}));
    dialogs.answer(Answer::Yes, "Add the selected Product List item(s) to Bbq Party Mix?")
        .ok("1 Product(s) added to Bbq Party Mix.");
    clickRow("List3", 4);
    EXPECT_EQ(dialogs.boxes()[5].title, ui::Title::own("Confirm"));
    EXPECT_TRUE(showsShoppingList());
    file = recordsIn<CustomListRecord>("pantrecp.dat");
    ASSERT_EQ(file.size(), 4u);
    EXPECT_EQ(file[3], customRecord("Bbq Party Mix", "Bread", "2.00"));

    productView()->selectionModel()->clearSelection();
    trigger("recaddcmd");
    dialogs.ok("First you must select item(s) to add");
    clickRow("List3", 5);
    EXPECT_TRUE(showsShoppingList());
    EXPECT_EQ(text("listlbl"), "grocery ($)");
}

TEST_F(CustomListWindowTest, PickerPreviewAndTheWayBack)
{
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", " 4.98", "2")}));
    TempFolder::write("pantrecp.dat", bytesOf(kLists));
    start();
    trigger("recpreview");
    EXPECT_EQ(text("listlbl"), "Select");
    EXPECT_TRUE(shoppingView()->isHidden());
    EXPECT_EQ(rows("List3").mid(4), (QStringList{padded("Party", 30), padded("Weekly", 30)}));
    EXPECT_EQ(background("List3"), QColor(255, 255, 224));
    for (int row : {0, 1, 3})
        clickRow("List3", row);
    EXPECT_FALSE(list("List3")->isHidden()) << "prompt and blank rows do nothing";
    clickRow("List3", 2);
    EXPECT_TRUE(showsShoppingList());
    EXPECT_EQ(text("listlbl"), "grocery ($4.98)");

    trigger("recpreview");
    clickRow("List3", 5);
    EXPECT_EQ(rows("List5"), (QStringList{padded("Weekly", 30), "(CLICK LIST TO CLEAR)", "", "  " + padded("Bread", 40),
                                          "  " + padded("Tea", 40)}));
    EXPECT_EQ(text("listlbl"), "Preview Only - " + padded("Weekly", 30));
    EXPECT_EQ(background("List5"), QColor(255, 224, 192));
    EXPECT_EQ(state.pickerMode, app::PickerMode::None);
    QTest::mouseClick(list("List5")->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(showsShoppingList());
    EXPECT_EQ(text("listlbl"), "grocery ($4.98)");
    EXPECT_TRUE(dialogs.boxes().empty());
}

TEST_F(CustomListWindowTest, RemoveAnsweredNoAsksAgainThenRemoves)
{
    TempFolder::write("pantrecp.dat", bytesOf(kLists));
    start();
    click("custombutton");
    dialogs.ok("Select item(s) to remove");
    click("SSCommand3");
    EXPECT_EQ(rows("List3")[0], "Select a list to edit...");
    clickRow("List3", 4);
    EXPECT_EQ(rows("List4"), (QStringList{padded("Apple", 40), padded("Eggs", 40), padded("Milk", 40)}));
    EXPECT_EQ(background("List4"), QColor(255, 192, 192));
    EXPECT_FALSE(find<QWidget>("custompanel")->isHidden());
    EXPECT_EQ(text("listlbl"), padded("Party", 30));

    selectItems({0, 2}); // Apple and Milk, records 5 and 1
    dialogs.answer(Answer::No, "Delete selected items?");
    click("recdelcmd");
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::YesNoCancel);
    EXPECT_FALSE(list("List4")->isHidden());
    EXPECT_EQ(recordsIn<CustomListRecord>("pantrecp.dat").size(), 5u);

    dialogs.answer(Answer::Yes, "Delete selected items?").ok("Done!");
    click("recdelcmd");
    EXPECT_TRUE(showsShoppingList());
    EXPECT_EQ(recordsIn<CustomListRecord>("pantrecp.dat"), (std::vector{kLists[1], kLists[2], kLists[3]}));
    EXPECT_FALSE(TempFolder::exists("pantrecp.bak"));

    // Cancel leaves without a change.
    trigger("receditcmd");
    dialogs.ok("Select item(s) to remove");
    clickRow("List3", 4);
    selectItems({0});
    dialogs.answer(Answer::Cancel, "Delete selected items?");
    click("recdelcmd");
    EXPECT_TRUE(showsShoppingList());
    EXPECT_EQ(recordsIn<CustomListRecord>("pantrecp.dat").size(), 3u);
}

TEST_F(CustomListWindowTest, GetAddsOnlyItemsNotOnTheShoppingList)
{
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", " 4.98", "2")}));
    TempFolder::write(
        "pantrecp.dat",
        bytesOf(std::vector{customRecord("Party", "Milk", "2.49"), customRecord("Party", "Eggs", "1.50"),
                            customRecord("Party", "Eggs", "1.50"), customRecord("Party", "milk", "2.49")}));
    start();
    trigger("recgetcmd");
    EXPECT_EQ(rows("List3")[0], "Select a list to use...");
    dialogs.ok("Select item(s) for the shopping list, then click \"Proceed\"");
    clickRow("List3", 4);
    EXPECT_EQ(text("listlbl"), "Get");
    EXPECT_EQ(background("List4"), QColor(192, 255, 255));
    EXPECT_TRUE(find<QWidget>("nevermindcmd")->isVisible());
    selectItems({0, 1, 2, 3}); // Eggs, Eggs, Milk, milk

    dialogs.answer(Answer::No, "Add selected items?");
    click("recdelcmd");
    EXPECT_EQ(state.pickerMode, app::PickerMode::Get);
    dialogs.answer(Answer::Yes, "Add selected items?");
    click("recdelcmd");
    EXPECT_TRUE(showsShoppingList());
    EXPECT_EQ(shoppingRows(), (QStringList{"     Eggs", "(2) Milk", "     milk"}));
    EXPECT_EQ(state.ItemCount, 3);
    const std::vector<ShoppingItemRecord> items = recordsIn<ShoppingItemRecord>("grocery.lst");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[1].get(ShoppingItemRecord::price), "1.50  ");
    EXPECT_EQ(items[1].text(ShoppingItemRecord::quantity), "1");
    EXPECT_EQ(text("listlbl"), "grocery ($8.97)");

    trigger("recgetcmd");
    dialogs.ok("Select item(s) for the shopping list, then click \"Proceed\"");
    clickRow("List3", 4);
    click("nevermindcmd");
    EXPECT_TRUE(showsShoppingList());
    EXPECT_EQ(text("listlbl"), "grocery ($8.97)");
    EXPECT_EQ(state.pickerMode, app::PickerMode::None);
}

TEST_F(CustomListWindowTest, DeleteAskedFirstAndBackedUp)
{
    const QByteArray old = bytesOf(kLists);
    TempFolder::write("pantrecp.dat", old);
    start();
    trigger("recdelete");
    EXPECT_EQ(rows("List3")[0], "Select a list to delete...");
    dialogs.answer(Answer::No, "Delete Party?");
    clickRow("List3", 4);
    EXPECT_EQ(dialogs.last().title, ui::Title::own("Confirm..."));
    EXPECT_TRUE(showsShoppingList());
    EXPECT_EQ(dialogs.boxes().size(), 1u) << "No shows nothing more";
    EXPECT_FALSE(TempFolder::exists("pantrecp.bak"));

    trigger("recdelete");
    dialogs.answer(Answer::Yes, "Delete Party?").ok("List deleted");
    clickRow("List3", 4);
    EXPECT_EQ(TempFolder::read("pantrecp.bak"), old);
    EXPECT_EQ(recordsIn<CustomListRecord>("pantrecp.dat"), (std::vector{kLists[1], kLists[3]}));
    EXPECT_TRUE(showsShoppingList());
}

TEST_F(CustomListWindowTest, SaveStoresTheShoppingListWithUnitPrices)
{
    TempFolder::write("pantrecp.dat", bytesOf(std::vector{customRecord("Weekly", "Tea")}));
    start();
    dialogs.ok("Create a shopping list first!");
    trigger("saveshopcmd");
    EXPECT_EQ(dialogs.last().title, ui::Title::own("Oops!"));

    TempFolder::write("grocery.lst",
                      bytesOf(std::vector{listItem("Milk", " 4", "3", "Dairy"), listItem("Jam", "3", "2")}));
    window.reset();
    start();
    const QString prompt = "Enter a name for this custom list";
    dialogs.type("weekly", prompt)
        .answer(Answer::No, "Name already exists.  Add products to this custom list?  "
                            "(This may cause duplication of products.)")
        .type("my LIST", prompt)
        .ok("Product List for My List is now on file.");
    trigger("saveshopcmd");
    EXPECT_EQ(dialogs.boxes()[1].title, ui::Title::own("Save shopping list........."));
    const std::vector<CustomListRecord> file = recordsIn<CustomListRecord>("pantrecp.dat");
    ASSERT_EQ(file.size(), 3u);
    EXPECT_EQ(file[1], customRecord("My List", "Milk", " 1.333", "Dairy"));
    EXPECT_EQ(file[2], customRecord("My List", "Jam", " 1.5"));
}

TEST_F(CustomListWindowTest, F12RefreshesFromTheCurrentProducts)
{
    TempFolder::write("grocery.dat",
                      bytesOf(std::vector{product("Milk", "2.79", "02 Dairy"), product("Tea", "3.50", "Drinks")}));
    const QByteArray old = bytesOf(kLists);
    TempFolder::write("pantrecp.dat", old);
    start();
    const QString question = "You have pressed the <F12> key. This will update the prices and category designations "
                             "for foods in your custom list files.   Proceed?";
    dialogs.answer(Answer::No, question);
    key(Qt::Key_F12);
    EXPECT_EQ(dialogs.last().title, ui::Title::own("Confirm"));
    EXPECT_EQ(dialogs.last().icon, ui::Icon::None);
    EXPECT_FALSE(TempFolder::exists("PantClean.bak"));
    EXPECT_EQ(TempFolder::read("pantrecp.dat"), old);

    dialogs.answer(Answer::Yes, question).ok(" 2 items scanned and updated.");
    click("updatecmd");
    EXPECT_EQ(dialogs.last().title, ui::Title::own("Done"));
    EXPECT_EQ(TempFolder::read("PantClean.bak"), old);
    std::vector<CustomListRecord> expected = kLists;
    expected[0] = customRecord("Party", "Milk", "2.79", "02 Dairy");
    expected[3] = customRecord("Weekly", "Tea", "3.50", "Drinks");
    EXPECT_EQ(recordsIn<CustomListRecord>("pantrecp.dat"), expected);
}
