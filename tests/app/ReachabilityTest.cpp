#include "support/MainWindowFixture.h"

#include "ui/ActionButton.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

// The menus as the user finds them: the title, then the items in order ("-" a separator).
const std::vector<std::pair<QString, QStringList>> kMenus = {
    {"File",
     {"Open...", "New...", "Open recent", "-", "Save shopping list as a text file", "Notes", "-", "Exit program"}},
    {"&Import/export", {"Import", "Export", "Add common products...", "-", "Help"}},
    {"&Custom lists",
     {"CREATE a list", "ADD to a list", "REMOVE item(s) from a list", "PREVIEW a list",
      "GET custom item(s) for shopping list", "DELETE a list", "SAVE current shopping list as custom", "-", "Help"}},
    {"Filters", {"Fats", "Carbohydrates"}},
    {"Log", {"Make a log entry for this shopping list", "View the log file"}},
    {"Help", {"Program help", "About"}},
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
    for (QAction* action : window->actions())
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
