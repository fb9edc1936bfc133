#include "support/MainWindowFixture.h"

#include "stores/pantnew.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QTest>

using namespace data;
using ui::Answer;

namespace {

class StoreWindowTest : public MainWindowTest
{
protected:
    bool importEnabled() const { return window->findChild<QAction*>("mergecmd")->isEnabled(); }
    stores::pantnew* newStore()
    {
        click("newbutton");
        auto* dialog = window->findChild<stores::pantnew*>("pantnew");
        EXPECT_TRUE(dialog && dialog->isVisible());
        return dialog;
    }
    void create(stores::pantnew* dialog, const QString& name)
    {
        dialog->findChild<QLineEdit*>("fnametxt")->setText(name);
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("createcmd"), Qt::LeftButton);
    }
};

const QString kDataSource = "Create a new product list for this file? (Answer NO to use existing grocery.dat file.)";

} // namespace

TEST_F(StoreWindowTest, OpenSwitchesListProductsAndMergeFile)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49"), product("Tea", "3.10")}));
    TempFolder::write("grocery.mrg", bytesOf(std::vector{product("Jam", "1.99")}));
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", " 2.49", "1", "", QString(" 1.00"))}));
    TempFolder::write("Market.lst", bytesOf(std::vector{listItem("Tea", " 3.10", "1")}));
    TempFolder::write("Market.dat", {});
    TempFolder::write("Deli.lst", {});
    TempFolder::write("Deli.dat", bytesOf(std::vector{product("Salami", "4.99", "Meat")}));
    TempFolder::write("pantrecp.dat", bytesOf(std::vector{customRecord("Party", "Milk")}));
    start();
    EXPECT_TRUE(importEnabled());
    EXPECT_TRUE(find<QWidget>("coupontotalcmd")->isVisible());

    dialogs.choose("notes.txt").ok("File name must have .LST extension");
    click("openbutton");
    EXPECT_EQ(dialogs.boxes()[0].text, "Open a Shopping List");
    EXPECT_EQ(dialogs.boxes()[0].defaultAnswer, "Pantrix Lists|*.lst");
    EXPECT_EQ(dialogs.last().title, ui::Title::application());
    EXPECT_EQ(state.ListFile, "grocery.lst");

    dialogs.choose("");
    trigger("openfilecmd"); // Cancel in the chooser
    EXPECT_EQ(state.ListFile, "grocery.lst");

    // A store whose own product file is empty uses grocery.dat; the custom list views make way.
    trigger("recpreview");
    state.DefaultListWarned = 1;
    dialogs.choose(folder.path() + "/Market.lst");
    click("openbutton");
    EXPECT_EQ(state.ListFile, folder.path() + "/Market.lst");
    EXPECT_EQ(state.ProductFile, "grocery.dat");
    EXPECT_EQ(state.DefaultListWarned, 0);
    EXPECT_EQ(productRows(), (QStringList{"Milk", "Tea"}));
    EXPECT_EQ(shoppingRows(), (QStringList{"     Tea"}));
    EXPECT_EQ(text("listlbl"), "Market ($3.10)");
    EXPECT_TRUE(find<QWidget>("List3")->isHidden());
    EXPECT_FALSE(shoppingView()->isHidden());
    EXPECT_FALSE(find<QWidget>("coupontotalcmd")->isVisible());
    EXPECT_TRUE(importEnabled()) << "grocery.mrg still belongs to the products in use";

    // A store with products of its own and no merge file: Import goes off, no .mrg is left.
    dialogs.choose(folder.path() + "/Deli.lst");
    click("openbutton");
    EXPECT_EQ(state.ProductFile, folder.path() + "/Deli.dat");
    EXPECT_EQ(productRows(), (QStringList{"Salami"}));
    EXPECT_TRUE(shoppingRows().isEmpty());
    EXPECT_EQ(text("listlbl"), "Deli ($)");
    EXPECT_FALSE(find<QAbstractButton>("clearlistcmd")->isEnabled());
    EXPECT_FALSE(importEnabled());
    EXPECT_FALSE(TempFolder::exists("Deli.mrg"));

    EXPECT_TRUE(quit());
    EXPECT_EQ(TempFolder::read("namefile.dat"), QByteArray("Deli.lst") + QByteArray(22, ' '))
        << "a list chosen in the working folder is remembered by its bare name";
}

TEST_F(StoreWindowTest, NewStoreNamesAreCheckedBeforeAnythingIsCreated)
{
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", " 2.49", "1")}));
    TempFolder::write("Market.lst", bytesOf(std::vector{listItem("Tea", " 3.10", "1")}));
    start();
    const QByteArray list = TempFolder::read("grocery.lst");
    stores::pantnew* dialog = newStore();
    EXPECT_EQ(dialog->windowTitle(), "Create new shopping list");

    dialogs.ok("Enter a name first!");
    create(dialog, "   ");
    EXPECT_EQ(dialogs.last().title, ui::Title::own("Oops!"));

    dialogs.ok("\"../up\" cannot be used as a file name.  Leave out / \\ : * ? \" < > | and \"..\", then try again.");
    create(dialog, "../up");

    dialogs.ok("List already exists.  Try another name.");
    create(dialog, " Market ");
    EXPECT_EQ(dialogs.last().title, ui::Title::none());
    EXPECT_TRUE(dialog->isVisible());

    dialogs.answer(Answer::Cancel, kDataSource);
    create(dialog, "Corner");
    EXPECT_EQ(dialogs.last().title, ui::Title::own("Set Data Source..."));
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::YesNoCancel);
    EXPECT_FALSE(dialog->isVisible());

    EXPECT_EQ(state.ListFile, "grocery.lst");
    EXPECT_EQ(shoppingRows(), (QStringList{"     Milk"}));
    EXPECT_EQ(TempFolder::read("grocery.lst"), list);
    const QStringList files = QDir().entryList(QDir::Files);
    for (const char* never : {"Corner.lst", "Corner.dat", "up.lst"})
        EXPECT_FALSE(files.contains(never)) << never;
    EXPECT_FALSE(TempFolder::exists("../up.lst"));
    EXPECT_EQ(newStore()->findChild<QLineEdit*>("fnametxt")->text(), "") << "made afresh each time";
}

TEST_F(StoreWindowTest, NewStoreWithItsOwnProductsStartsEmptyAndCanBeEliminated)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49", "Dairy")}));
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", " 2.49", "1", "", QString(" .50"))}));
    start();
    dialogs.answer(Answer::Yes, kDataSource).ok("Data file created: My.dat");
    create(newStore(), "My.Store");
    EXPECT_EQ(state.ListFile, "My.Store.lst");
    EXPECT_EQ(state.ProductFile, "My.dat");
    EXPECT_EQ(state.StoreChanged, 0);
    EXPECT_TRUE(productRows().isEmpty());
    EXPECT_EQ(text("productlist"), "Product List (0)");
    EXPECT_EQ(find<QListWidget>("Combo1")->count(), 1);
    EXPECT_TRUE(shoppingRows().isEmpty());
    EXPECT_EQ(text("listlbl"), "My ($0.00)");
    EXPECT_FALSE(find<QWidget>("coupontotalcmd")->isVisible());
    EXPECT_TRUE(TempFolder::exists("My.Store.lst"));
    EXPECT_TRUE(TempFolder::exists("My.dat"));

    dialogs.answer(Answer::Ok, "My.Store.lst is empty and will be eliminated.");
    EXPECT_TRUE(quit());
    for (const char* gone : {"My.Store.lst", "My.dat", "namefile.dat"})
        EXPECT_FALSE(TempFolder::exists(gone)) << gone;
    EXPECT_TRUE(TempFolder::exists("grocery.dat"));
}

TEST_F(StoreWindowTest, NewStoreSharingGroceryDatReusesAnEmptyList)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49"), product("Tea", "3.10")}));
    TempFolder::write("Corner.lst", {});
    start();
    state.DefaultListWarned = 1;
    dialogs.answer(Answer::No, kDataSource);
    create(newStore(), "Corner");
    EXPECT_EQ(state.ListFile, "Corner.lst");
    EXPECT_EQ(state.ProductFile, "grocery.dat");
    EXPECT_EQ(state.DefaultListWarned, 0);
    EXPECT_EQ(productRows(), (QStringList{"Milk", "Tea"}));
    EXPECT_EQ(text("listlbl"), "Corner ($0.00)");

    selectProducts({1});
    key(Qt::Key_F2);
    EXPECT_EQ(recordsIn<ShoppingItemRecord>("Corner.lst").size(), 1u);
    EXPECT_EQ(text("listlbl"), "Corner ($3.10)");
    EXPECT_TRUE(quit());
    EXPECT_TRUE(dialogs.boxes().size() == 1u) << "a store with products is not offered for elimination";
}
