#include "support/MainWindowFixture.h"

#include "ui/ActionButton.h"

#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>
#include <QToolButton>

namespace {

// The menus as the user finds them: the title, then the items in order ("-" a separator).
const std::vector<std::pair<QString, QStringList>> kMenus = {
    {"&File",
     {"Open...", "New...", "Open recent", "-", "Save shopping list as a text file", "Copy Shopping List", "Notes", "-",
      "Exit program"}},
    {"&Import/export", {"Import", "Export", "Add common products...", "-", "Help"}},
    {"&Custom lists",
     {"CREATE a list", "ADD to a list", "REMOVE item(s) from a list", "PREVIEW a list",
      "GET custom item(s) for shopping list", "DELETE a list", "SAVE current shopping list as custom", "-", "Help"}},
    {"Fil&ters", {"Fats", "Carbohydrates"}},
    {"&Log", {"Make a log entry for this shopping list", "View the log file"}},
    {"&Help", {"Program help", "About"}},
};

// Every button of the toolbar and the panels: its name, caption and tool tip.
struct Button
{
    const char* name;
    QString caption;
    QString toolTip;
};
const Button kButtons[] = {
    {"openbutton", "Open", "Open a store file"},
    {"newbutton", "New", "Create a new store file"},
    {"exportbutton", "Export", "Create a merge file"},
    {"importbutton", "Import", "Bring in products from a merge file"},
    {"printlistcmd", "Print list", "Print the shopping list...."},
    {"printtextcmd", "Text", "Send a copy of the shopping list to a text file"},
    {"notecmd", "Notes", "Open shopping notes form"},
    {"logcmd", "Log", "Open the shopping log file"},
    {"custombutton", "Custom", "Open the Custom Lists menu"},
    {"updatecmd", "Update", ""},
    {"magnifycmd", "Magnify", "Magnify lists"},
    {"mealscmd", "Meals", "Open the meals and menu file"},
    {"helpbutton", "Help", "Program help"},
    {"aboutbutton", "About", ""},
    {"quitcmd", "Exit", "Close the program"},
    {"addfoodcmd", "&New", "Add a new product"},
    {"editfoodcmd", "&Edit", "Change the description of the highlighted product"},
    {"delfoodcmd", "&Delete", "Remove the highlighted product(s) from the file"},
    {"categorycmd", "Rename category", ""},
    {"cattotxtcmd", "C > T", ""},
    {"printmastercmd", "&Print", "Print the product list as it appears"},
    {"allcmd", "All", "Return the product list to full view"},
    {"fatbutton", "Lo-Fat", "Exclude from the product list view those products which you have marked as 'high fat'"},
    {"locarbbutton", "Lo-Carb",
     "Exclude from the product list view those products which you have marked as 'high carbohydrates'"},
    {"foodoncmd", "Add {F2} >", "Add the highlighted product(s) to the shopping list"},
    {"foodoffcmd", "< Remove", "Remove the highlighted product from the shopping list"},
    {"clearlistcmd", "Remove ALL <<", "Clear the shopping list"},
};

} // namespace

TEST_F(MainWindowTest, EveryMenuAndButtonLeadsToACommandAndEveryCommandCanBeReached)
{
    start();
    // The ways to a command: a menu item, a button, or a key of the window's own.
    QSet<QAction*> reachable;
    std::vector<std::pair<QString, QStringList>> shown;
    for (QAction* title : window->menuBar()->actions()) {
        ASSERT_NE(title->menu(), nullptr) << title->text().toStdString();
        QStringList items;
        for (QAction* item : title->menu()->actions()) {
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
            reachable.insert(item);
        }
        shown.emplace_back(title->text(), items);
    }
    EXPECT_EQ(shown, kMenus);

    const auto* bar = find<QToolBar>("toolbar");
    const auto* arrow = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
    for (const Button& b : kButtons) {
        auto* button = find<QAbstractButton>(b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), b.caption) << b.name;
        EXPECT_EQ(button->toolTip(), b.toolTip) << b.name;
        // What the toolbar has no room for waits behind its arrow (see the large-font test).
        EXPECT_TRUE(!button->isHidden() || (button->parentWidget() == bar && arrow->isVisible())) << b.name;
        QAction* action = ui::boundAction(button);
        ASSERT_NE(action, nullptr) << b.name << " triggers no command";
        EXPECT_EQ(button->isEnabled(), action->isEnabled()) << b.name;
    }

    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (QAction* action = ui::boundAction(button))
            reachable.insert(action);
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << window.get();
    for (QWidget* widget : widgets)
        for (QAction* action : widget->actions())
            if (!action->shortcut().isEmpty())
                reachable.insert(action);

    int commands = 0;
    for (QAction* action : window->findChildren<QAction*>()) {
        // The window's forms make the commands; widgets' own actions (a line edit's clear
        // button, a menu's title) are not commands.
        const QObject* owner = action->parent();
        const bool command = owner == window.get() || owner->inherits("app::ProductListPanel");
        if (!command || action->menu() || action->isSeparator())
            continue;
        ++commands;
        EXPECT_TRUE(reachable.contains(action)) << action->objectName().toStdString() << " cannot be reached";
    }
    EXPECT_GE(commands, 41) << "the commands were found";
}

namespace {

// Takes the shortcut events of the window's commands instead of running them, and keeps
// which command each key reached.
class ShortcutCatcher : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        if (!static_cast<QShortcutEvent*>(event)->isAmbiguous())
            reached = watched->objectName();
        return true;
    }
    QString reached;
};

} // namespace

TEST_F(MainWindowTest, EveryMenuAndCommandKeyIsReachableFromTheMainWindow)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49")}));
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", " 2.49", "1")}));
    start();
    // Alt and a menu's letter open it; no two menus (nor a button) share a letter.
    QSet<QKeySequence> letters;
    const auto claim = [&letters](const QString& text) {
        const QKeySequence letter = QKeySequence::mnemonic(text);
        EXPECT_FALSE(letters.contains(letter)) << text.toStdString() << " shares its letter";
        letters.insert(letter);
        return letter;
    };
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (!QKeySequence::mnemonic(button->text()).isEmpty())
            claim(button->text());
    for (QAction* title : window->menuBar()->actions()) {
        const QKeySequence letter = claim(title->text());
        ASSERT_FALSE(letter.isEmpty()) << title->text().toStdString() << " has no access key";
        QTest::keySequence(window.get(), letter);
        EXPECT_TRUE(title->menu()->isVisible()) << title->text().toStdString();
        title->menu()->hide();
    }

    ShortcutCatcher catcher;
    for (QAction* action : window->findChildren<QAction*>())
        action->installEventFilter(&catcher);
    const struct
    {
        const char* focus;
        QKeySequence keys;
        const char* command;
    } kKeys[] = {
        {"List1", Qt::Key_Escape, "exitcmd"},
        {"List1", Qt::CTRL | Qt::Key_Q, "exitcmd"},
        {"List2", Qt::CTRL | Qt::Key_P, "printListAction"},
        {"List1", Qt::CTRL | Qt::Key_F, "searchAction"},
        {"List2", Qt::Key_F1, "helpcmd"},
        {"searchtxt", Qt::CTRL | Qt::Key_N, "newfilecmd"},
        {"List1", Qt::CTRL | Qt::Key_O, "openfilecmd"},
        {"List1", Qt::Key_F10, "stripPricesAction"},
        {"List2", Qt::Key_F12, "refreshAction"},
        // A list view copies its current row by itself: the list's own command must take the key.
        {"List2", Qt::CTRL | Qt::Key_C, "copyItemsAction"},
    };
    for (const auto& k : kKeys) {
        catcher.reached.clear();
        QWidget* focus = find<QWidget>(k.focus);
        focus->setFocus();
        QTest::keySequence(focus, k.keys);
        EXPECT_EQ(catcher.reached, k.command) << k.keys.toString().toStdString() << " from " << k.focus;
    }

    // The Log button's menu: at the pointer when clicked, under the button from the keyboard
    // (also when the pointer rests on the button).
    auto* log = find<QAbstractButton>("logcmd");
    auto* menu = window->findChild<QMenu*>("logmenucmd");
    QTest::mouseMove(log);
    QTest::mouseClick(log, Qt::LeftButton);
    ASSERT_TRUE(menu->isVisible());
    menu->hide();
    QTest::mouseMove(log, QPoint(3, 3));
    log->setFocus();
    QTest::keyClick(log, Qt::Key_Space);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), log->mapToGlobal(QPoint(0, log->height())));
    menu->hide();
}
