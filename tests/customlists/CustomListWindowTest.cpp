#include "data/FileFaults.h"
#include "support/DarkPalette.h"
#include "support/MainWindowFixture.h"

using namespace data;
using ui::Answer;
using ui::Title;

namespace {

class CustomListWindowTest : public MainWindowTest
{
protected:
    QStringList rows(const char* name) const { return rowsOf(find<QListWidget>(name)); }
    bool hidden(const char* name) const { return find<QWidget>(name)->isHidden(); }
    static QString pad(const QString& text, int width) { return text.leftJustified(width, u' '); }
    // Runs the command from its menu item and clicks this row of the list picker.
    void pick(const char* action, int row)
    {
        trigger(action);
        clickRow(find<QListWidget>("List3"), row);
    }
    void selectItems(std::initializer_list<int> rowsToSelect)
    {
        for (int r : rowsToSelect)
            find<QListWidget>("List4")->item(r)->setSelected(true);
    }
    // The caption once the Shopping List is back in view and the custom list views are gone.
    QString shownList() const
    {
        const bool back = !shoppingView()->isHidden() && hidden("List3") && hidden("List4") && hidden("List5") &&
                          hidden("custompanel");
        return back ? text("listlbl") : QString();
    }
};

const std::vector<CustomListRecord> kLists{
    customRecord("Party", "Milk", "2.49", "Dairy"), customRecord("Weekly", "Bread", "2.00", "Bakery"),
    customRecord("Party", "Eggs", "1.50", "Dairy"), customRecord("Weekly", "Tea", "3.10", "Drinks"),
    customRecord("Party", "Apple", ".99", "Produce")};

} // namespace

TEST_F(CustomListWindowTest, MenuWindowRunsTheChosenCommandOnce)
{
    start();
    QWidget* menu = find<QWidget>("pantcust");
    click("custombutton");
    ASSERT_TRUE(menu->isVisible());
    EXPECT_FALSE(enabled("custombutton")) << "disabled while the menu is open";
    QTest::mouseClick(shoppingView()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(menu->isVisible()) << "a click on the main window closes it, running nothing";
    EXPECT_TRUE(enabled("custombutton"));

    // Esc closes the menu, also where the keys stayed with the main window; it does not quit.
    click("custombutton");
    QTest::keyClick(productView(), Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(window->isVisible());

    click("custombutton");
    dialogs.ok("No lists on file!");
    click("SSCommand4");
    EXPECT_FALSE(menu->isVisible());
    window->HandleActivation(); // running the command again would show a box nobody expects

    dialogs.ok("Create a shopping list first!");
    click("custombutton");
    click("SSCommand7");
}

TEST_F(CustomListWindowTest, CreateAddAndSaveWriteTheChosenItems)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49", "Dairy"), product("Bread", "2.00"),
                                                         product("Eggs", "1.50", "Dairy")}));
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Jam", " 4", "3", "Spreads")}));
    TempFolder::write("pantrecp.dat", bytesOf(std::vector{customRecord("Party", "Chips")}));
    start(); // rows: Bread, Eggs, Milk
    selectProducts({2, 1});
    const QString prompt = "Type a name for this custom Product List.";
    dialogs.type("party", prompt)
        .ok("Name already exists!", Title::own("Oops!"))
        .type("bbq PARTY mix", prompt)
        .ok("Product List for Bbq Party Mix is now on file.");
    trigger("recmakecmd");

    selectProducts({0});
    dialogs.answer(Answer::Yes, "Add the selected Product List item(s) to Bbq Party Mix?")
        .ok("1 Product(s) added to Bbq Party Mix.");
    pick("recaddcmd", 4);
    EXPECT_EQ(shownList(), "grocery ($4.00)");

    const QString name = "Enter a name for this custom list";
    dialogs.type("PARTY", name, Title::own("Save shopping list........."))
        .answer(Answer::No, "Name already exists.  Add products to this custom list?  "
                            "(This may cause duplication of products.)")
        .type("my LIST", name)
        .ok("Product List for My List is now on file.");
    trigger("saveshopcmd");
    EXPECT_EQ(recordsIn<CustomListRecord>("pantrecp.dat"),
              (std::vector{customRecord("Party", "Chips"), customRecord("Bbq Party Mix", "Eggs", "1.50", "Dairy"),
                           customRecord("Bbq Party Mix", "Milk", "2.49", "Dairy"),
                           customRecord("Bbq Party Mix", "Bread", "2.00"),
                           customRecord("My List", "Jam", "1.3333", "Spreads")}))
        << "created in row order, then added, then saved";
}

TEST_F(CustomListWindowTest, RemoveGetPickerPreviewDeleteAndF12InADarkTheme)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Tea", "3.50", "Drinks")}));
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", " 4.98", "2")}));
    TempFolder::write("pantrecp.dat", bytesOf(kLists));
    const DarkPalette dark; // the light list views keep dark text
    start();
    const auto readable = [this](const char* name) {
        const QPalette shown = find<QListWidget>(name)->palette();
        return shown.color(QPalette::Base).lightness() - shown.color(QPalette::Text).lightness() > 150;
    };
    dialogs.ok("Select item(s) to remove");
    pick("receditcmd", 4);
    selectItems({0, 2}); // Apple and Milk, records 5 and 1
    dialogs.answer(Answer::No, "Delete selected items?");
    click("recdelcmd");
    EXPECT_FALSE(hidden("List4") || hidden("custompanel"));
    dialogs.answer(Answer::Yes, "Delete selected items?").ok("Done!");
    click("recdelcmd");
    EXPECT_EQ(shownList(), "grocery ($4.98)");
    EXPECT_EQ(recordsIn<CustomListRecord>("pantrecp.dat"), (std::vector{kLists[1], kLists[2], kLists[3]}));

    const QString hint = "Select item(s) for the shopping list, then click \"Proceed\"";
    dialogs.ok(hint);
    trigger("recgetcmd");
    EXPECT_TRUE(readable("List3"));
    clickRow(find<QListWidget>("List3"), 5); // Weekly: Bread, Tea
    EXPECT_TRUE(readable("List4"));
    selectItems({0, 1});
    dialogs.answer(Answer::No, "Add selected items?");
    click("recdelcmd");
    EXPECT_FALSE(hidden("List4"));
    dialogs.answer(Answer::Yes, "Add selected items?");
    click("recdelcmd");
    EXPECT_EQ(shownList(), "grocery ($10.08)");
    EXPECT_EQ(shoppingRows(), (QStringList{"     Bread", "(2) Milk", "     Tea"}));

    dialogs.ok(hint);
    pick("recgetcmd", 4);
    selectItems({0});
    dialogs.answer(Answer::Cancel, "Add selected items?");
    click("recdelcmd");
    EXPECT_EQ(shownList(), "grocery ($10.08)") << "nothing added";
    dialogs.ok("Select item(s) to remove");
    pick("receditcmd", 4);
    click("nevermindcmd");
    EXPECT_EQ(shownList(), "grocery ($10.08)");

    const std::pair<const char*, QString> prompts[] = {{"recaddcmd", "Select a list to add to..."},
                                                       {"receditcmd", "Select a list to edit..."},
                                                       {"recpreview", "Select a list to preview..."},
                                                       {"recgetcmd", "Select a list to use..."},
                                                       {"recdelete", "Select a list to delete..."}};
    for (const auto& [action, prompt] : prompts) {
        trigger(action);
        EXPECT_EQ(rows("List3"), (QStringList{prompt, "", "CLICK HERE TO RETURN TO SHOPPING LIST", "", pad("Party", 30),
                                              pad("Weekly", 30)}));
        EXPECT_EQ(text("listlbl"), "Select");
        for (int row : {0, 1, 3})
            clickRow(find<QListWidget>("List3"), row);
        EXPECT_FALSE(hidden("List3")) << action << ": prompt and blank rows do nothing";
        clickRow(find<QListWidget>("List3"), 2);
        EXPECT_EQ(shownList(), "grocery ($10.08)") << action;
    }

    pick("recpreview", 5);
    EXPECT_EQ(rows("List5").mid(1),
              (QStringList{"(CLICK LIST TO CLEAR)", "", "  " + pad("Bread", 40), "  " + pad("Tea", 40)}));
    QTest::mouseClick(find<QListWidget>("List5")->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(shownList(), "grocery ($10.08)");

    dialogs.answer(Answer::No, "Delete Party?", Title::own("Confirm..."));
    pick("recdelete", 4);
    EXPECT_FALSE(TempFolder::exists("pantrecp.bak"));
    dialogs.answer(Answer::Yes, "Delete Party?").ok("List deleted");
    pick("recdelete", 4);
    EXPECT_EQ(shownList(), "grocery ($10.08)");
    EXPECT_EQ(recordsIn<CustomListRecord>("pantrecp.bak"), (std::vector{kLists[1], kLists[2], kLists[3]}));
    const QByteArray kept = bytesOf(std::vector{kLists[1], kLists[3]});
    EXPECT_EQ(TempFolder::read("pantrecp.dat"), kept);

    const QString question = "You have pressed the <F12> key. This will update the prices and category designations "
                             "for foods in your custom list files.   Proceed?";
    dialogs.answer(Answer::No, question, Title::own("Confirm"));
    key(Qt::Key_F12);
    EXPECT_EQ(TempFolder::read("pantrecp.dat"), kept);
    dialogs.answer(Answer::Yes, question).ok(" 1 items scanned and updated.", Title::own("Done"));
    click("updatecmd");
    EXPECT_EQ(recordsIn<CustomListRecord>("pantrecp.dat")[1], customRecord("Weekly", "Tea", "3.50", "Drinks"));
}

TEST_F(CustomListWindowTest, AFileThatCannotBeReadIsToldOnceAndNothingMore)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49"), product("Tea", "1")}));
    TempFolder::write("pantrecp.dat", bytesOf(kLists));
    start();
    const FileFaultGuard unreadable(FileStep::Open, "pantrecp.dat", EACCES, -1);
    const QString told = "Opening pantrecp.dat failed: Permission denied";
    selectProducts({0, 1});
    dialogs.ok(told); // not again for the write, and no name is asked for a file that cannot be read
    trigger("recmakecmd");
    for (const char* picker : {"recpreview", "recaddcmd", "recgetcmd"}) {
        dialogs.ok(told); // and no "No lists on file!": there are lists
        trigger(picker);
        EXPECT_EQ(shownList(), "grocery ($)") << picker;
    }
    dialogs.answer(Answer::Yes).ok(told);
    key(Qt::Key_F12);
    EXPECT_EQ(TempFolder::read("pantrecp.dat"), bytesOf(kLists));
}
