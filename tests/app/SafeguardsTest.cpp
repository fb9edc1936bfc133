// What only matters when records vanish or files are replaced behind the window's back.
#include "app/DataFileWatcher.h"
#include "support/MainWindowFixture.h"

#include <QTest>

#include <cstdio>
#include <functional>

using namespace data;
using ui::Answer;

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

namespace {
// A command that takes the selected products, with the answers to the boxes before its own.
struct TakingCommand
{
    const char* name;
    std::function<void(FakeDialogs&)> answers;
    std::function<void(MainWindowTest&)> run;
};
void PrintTo(const TakingCommand& c, std::ostream* os)
{
    *os << c.name;
}
const TakingCommand kTakingCommands[] = {
    {"F2", [](FakeDialogs&) {}, [](MainWindowTest& w) { w.key(Qt::Key_F2); }},
    {"AddButton", [](FakeDialogs&) {}, [](MainWindowTest& w) { w.click("foodoncmd"); }},
    {"DoubleClick", [](FakeDialogs& d) { d.type("3", "Enter a quantity..."); },
     [](MainWindowTest& w) { emit w.productView()->doubleClicked(w.productView()->currentIndex()); }},
    {"Create", [](FakeDialogs& d) { d.type("Gone", "Type a name for this custom Product List."); },
     [](MainWindowTest& w) { w.trigger("recmakecmd"); }},
    {"AddToList", [](FakeDialogs& d) { d.answer(Answer::Yes, "Add the selected Product List item(s) to Party?"); },
     [](MainWindowTest& w) {
         w.trigger("recaddcmd");
         auto* picker = MainWindowTest::child<QListWidget>(w.window.get(), "List3");
         emit picker->itemClicked(picker->item(4));
     }},
};
} // namespace

class VanishedProductsTest : public MainWindowTest, public ::testing::WithParamInterface<TakingCommand>
{
};

// Another copy of the program deleted products behind this one; the command comes before
// the notice of the change does.
TEST_P(VanishedProductsTest, ReloadTheViewsInsteadOfWriting)
{
    TempFolder::write("grocery.dat",
                      bytesOf(std::vector{product("Milk", "2.49", "Dairy"), product("Tea", "1", "Drinks"),
                                          product("Bread", "2", "Bakery")}));
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Jam", " 3", "1")}));
    TempFolder::write("pantrecp.dat", bytesOf(std::vector{customRecord("Party", "Chips")}));
    start();
    window->findChild<app::DataFileWatcher*>()->blockSignals(true);
    selectProducts({1, 2}); // Milk and Tea
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49", "Dairy")}));
    const QByteArray list = TempFolder::read("grocery.lst");
    const QByteArray lists = TempFolder::read("pantrecp.dat");

    GetParam().answers(dialogs);
    dialogs.ok("The Product List changed on disk; it has been reloaded.");
    GetParam().run(*this);
    EXPECT_EQ(TempFolder::read("grocery.lst"), list);
    EXPECT_EQ(TempFolder::read("pantrecp.dat"), lists);
    EXPECT_EQ(productRows(), QStringList{"Milk"});
    EXPECT_EQ(find<QListWidget>("Combo1")->count(), 2) << "All and Dairy";
    EXPECT_EQ(shoppingRows(), QStringList{"     Jam"});
}

INSTANTIATE_TEST_SUITE_P(Commands, VanishedProductsTest, ::testing::ValuesIn(kTakingCommands),
                         [](const ::testing::TestParamInfo<TakingCommand>& param) {
                             return std::string(param.param.name);
                         });

// A sync tool writes the files anew and renames them into place while the program runs.
TEST_F(MainWindowTest, FilesReplacedOnDiskAreShownAndWrittenAsTheyAreNow)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49"), product("Tea", "1")}));
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", " 2.49", "1")}));
    start();
    auto replace = [](const QString& name, const QByteArray& bytes) {
        TempFolder::write("synced.tmp", bytes);
        ASSERT_EQ(std::rename("synced.tmp", qPrintable(name)), 0);
    };
    const auto jam = listItem("Jam", " 3", "1");
    replace("grocery.lst", bytesOf(std::vector{listItem("Milk", " 2.49", "1"), jam}));
    EXPECT_TRUE(QTest::qWaitFor([this] { return shoppingRows().size() == 2; }))
        << shoppingRows().join('|').toStdString();
    // Tea is gone, Bread took its record: no row may still say Tea.
    replace("grocery.dat", bytesOf(std::vector{product("Milk", "2.49"), product("Bread", "2")}));
    EXPECT_TRUE(QTest::qWaitFor([this] {
        return productRows() == QStringList{"Bread", "Milk"};
    })) << productRows().join('|').toStdString();

    selectProducts({0});
    key(Qt::Key_F2);
    EXPECT_EQ(items().size(), 3u) << "added to the file that is there now";
    EXPECT_EQ(items().back().text(ShoppingItemRecord::item), "Bread");

    selectProducts({1}); // Milk
    dialogs.type("3");
    rightClickProducts(); // a price: the program's own write, which changes no row
    QTest::qWait(50);
    EXPECT_EQ(productView()->currentIndex().row(), 1) << "the selection stays";
}
