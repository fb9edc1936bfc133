#include "support/MainWindowFixture.h"

#include "app/StartFolder.h"
#include "model/StoreFiles.h"
#include "stores/pantnew.h"

using namespace data;
using ui::Answer;

namespace {

class StoreWindowTest : public MainWindowTest
{
protected:
    bool importEnabled() const { return window->findChild<QAction*>("mergecmd")->isEnabled(); }
    // Types the name into a new "Create new shopping list" window and clicks Create.
    QWidget* create(const QString& name)
    {
        click("newbutton");
        auto* dialog = window->findChild<stores::pantnew*>("pantnew");
        dialog->findChild<QLineEdit*>("fnametxt")->setText(name);
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("createcmd"), Qt::LeftButton);
        return dialog;
    }
};

const QString kDataSource = "Create a new product list for this file? (Answer NO to use existing grocery.dat file.)";

} // namespace

TEST_F(StoreWindowTest, NewAndOpenedStoresSwitchListProductsAndMergeFile)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49"), product("Tea", "3.10")}));
    TempFolder::write("grocery.mrg", bytesOf(std::vector{product("Jam", "1.99")}));
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", " 2.49", "1", "", QString(" .50"))}));
    TempFolder::write("Market.lst", bytesOf(std::vector{listItem("Tea", " 3.10", "1")}));
    TempFolder::write("Corner.lst", {});
    TempFolder::write("Deli.dat", bytesOf(std::vector{product("Salami", "4.99", "Meat")}));
    TempFolder::write("Deli.lst", {});
    TempFolder::write("pantrecp.dat", bytesOf(std::vector{customRecord("Party", "Milk")}));
    start();
    const std::tuple<QString, QString, ui::Title> refused[] = {
        {"   ", "Enter a name first!", ui::Title::own("Oops!")},
        {"../up", "\"../up\" cannot be used as a file name.  Leave out / \\ : * ? \" < > | and \"..\", then try again.",
         ui::Title::own("Oops!")},
        {" Market ", "List already exists.  Try another name.", ui::Title::none()},
        {"grocery", "List already exists.  Try another name.", ui::Title::none()}, // the default store is a list too
        {"pantlog", "\"pantlog\" would take the name of one of the program's own files.  Choose another name.",
         ui::Title::own("Oops!")},
    };
    for (const auto& [name, message, title] : refused) {
        dialogs.ok(message, title);
        EXPECT_TRUE(create(name)->isVisible()) << name.toStdString();
    }
    dialogs.answer(Answer::Cancel, kDataSource, ui::Title::own("Set Data Source..."));
    EXPECT_FALSE(create("Corner")->isVisible());
    EXPECT_EQ(state.ListFile, "grocery.lst");
    for (const char* never : {"Corner.dat", "up.lst", "../up.lst"})
        EXPECT_FALSE(TempFolder::exists(never)) << never;

    // No: the store shares grocery.dat, and an empty list of that name is taken over.
    dialogs.answer(Answer::No, kDataSource);
    create("Corner");
    EXPECT_EQ(text("listlbl"), "Corner ($0.00)");
    EXPECT_FALSE(find<QWidget>("coupontotalcmd")->isVisible());
    selectProducts({1});
    key(Qt::Key_F2);
    EXPECT_EQ(recordsIn<ShoppingItemRecord>("Corner.lst").size(), 1u);

    // Yes: a product file of its own, empty (eliminating an empty store is the main window test's).
    dialogs.answer(Answer::Yes, kDataSource).ok("Data file created: My.dat");
    create("My.Store");
    EXPECT_EQ(text("productlist"), "Product List (0)");
    EXPECT_EQ(text("listlbl"), "My ($0.00)");
    EXPECT_TRUE(TempFolder::exists("My.dat") && TempFolder::exists("My.Store.lst"));

    dialogs.choose("notes.txt").ok("File name must have .LST extension", ui::Title::application());
    click("openbutton");
    EXPECT_EQ(state.ListFile, "My.Store.lst");

    // A store without products of its own uses grocery.dat; the custom list views make way.
    trigger("recpreview");
    dialogs.choose(folder.path() + "/Market.lst");
    click("openbutton");
    EXPECT_EQ(state.ProductFile, "grocery.dat");
    EXPECT_EQ(productRows(), (QStringList{"Milk", "Tea"}));
    EXPECT_EQ(text("listlbl"), "Market ($3.10)");
    EXPECT_TRUE(find<QWidget>("List3")->isHidden());
    EXPECT_TRUE(importEnabled()) << "grocery.mrg still belongs to the products in use";

    // A store with products of its own and no merge file: Import goes off.
    selectShoppingRow(0);
    rightClickShoppingList();
    dialogs.choose(folder.path() + "/Deli.lst");
    click("openbutton");
    EXPECT_FALSE(find<QWidget>("couponpanel")->isVisible()) << "its item is on the list that was left";
    EXPECT_EQ(productRows(), (QStringList{"Salami"}));
    EXPECT_EQ(text("listlbl"), "Deli ($)");
    EXPECT_FALSE(importEnabled());
}

TEST_F(StoreWindowTest, AListNamedOnTheCommandLineOpensAsFileOpenOpensIt)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49"), product("Tea", "3.10")}));
    TempFolder::write("Market.lst", bytesOf(std::vector{listItem("Tea", " 3.10", "1")}));
    start();
    auto open = [this](const char* argument) {
        window->openStore(app::planStart({"pantrix", argument}, {}, {}).store);
    };
    dialogs.ok("gone.lst\r\nFile not found.\r\nPlease verify the correct file name was given.",
               ui::Title::own("Open a Shopping List"));
    open("gone.lst");
    EXPECT_FALSE(TempFolder::exists("gone.lst")) << "a name not there is not made a new store";
    EXPECT_EQ(text("listlbl"), "grocery ($)");

    open("Market.lst");
    EXPECT_EQ(model::storeBaseName(state.ListFile), "Market");
    EXPECT_EQ(text("listlbl"), "Market ($3.10)");
    EXPECT_EQ(shoppingRows().size(), 1);
    EXPECT_EQ(productRows(), (QStringList{"Milk", "Tea"}));
}

TEST_F(StoreWindowTest, NoStoreCommandReachesTheFilesUnderAnOpenEditorOrNewStoreDialog)
{
    // Cheese is record 4 of the shared product file, Coffee record 4 of the store's own.
    const auto grocery = bytesOf(std::vector{product("Apple"), product("Bread"), product("Butter"), product("Cheese")});
    const auto corner =
        bytesOf(std::vector{product("Tea"), product("Jam"), product("Rice"), product("Coffee", "7.99")});
    TempFolder::write("grocery.dat", grocery);
    TempFolder::write("corner.dat", corner);
    start();
    // Clicks as the user does, through the window: a window a dialog blocks takes no click.
    auto clickInWindow = [this](const char* name) {
        QWidget* target = find<QWidget>(name);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          target->mapTo(window.get(), target->rect().center()));
        QCoreApplication::processEvents();
    };
    auto newStore = [this] { return window->findChild<stores::pantnew*>("pantnew"); };
    auto editor = [this] { return window->findChild<QWidget*>("pantadd"); };

    clickInWindow("newbutton");
    ASSERT_TRUE(newStore() && newStore()->isVisible());
    newStore()->findChild<QLineEdit*>("fnametxt")->setText("corner");
    selectProducts({3});
    clickInWindow("editfoodcmd");
    EXPECT_EQ(editor(), nullptr) << "the editor opened under the new-store dialog";
    QTest::keyClick(newStore(), Qt::Key_Escape);
    EXPECT_FALSE(newStore()->isVisible());

    clickInWindow("editfoodcmd");
    ASSERT_TRUE(editor() && editor()->isVisible());
    for (const char* command : {"openbutton", "newbutton", "menubar", "foodoncmd", "clearlistcmd", "delfoodcmd"})
        clickInWindow(command);
    EXPECT_TRUE(newStore() == nullptr || !newStore()->isVisible()) << "a store can be made under the editor";
    EXPECT_EQ(state.ListFile, "grocery.lst");
    EXPECT_TRUE(items().empty());
    auto* item = editor()->findChild<QLineEdit*>("itemtxt");
    item->setText("Cheddar Cheese");
    QTest::mouseClick(editor()->findChild<QAbstractButton*>("savecmd"), Qt::LeftButton);
    EXPECT_EQ(products()[3].text(ProductRecord::item), "Cheddar Cheese");
    EXPECT_EQ(TempFolder::read("corner.dat"), corner);
    EXPECT_FALSE(TempFolder::exists("corner.lst"));
}
