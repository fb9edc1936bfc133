#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

using namespace data;

TEST_F(MainWindowTest, WindowPlaceOrderAndRecentStoresAreThereForTheNextWindow)
{
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49", "Dairy")}));
    TempFolder::write("Deli.lst", bytesOf(std::vector{listItem("Salami", " 4.00", "1")}));
    TempFolder::write("Corner.lst", bytesOf(std::vector{listItem("Tea", " 3.10", "1")}));
    start();
    window->resize(700, 500);
    find<QRadioButton>("sortcat")->click();
    for (const char* store : {"/Corner.lst", "/Deli.lst"}) {
        dialogs.choose(folder.path() + store);
        click("openbutton");
    }
    ASSERT_TRUE(quit());

    model::SharedState again;
    app::pantrix1 next(again, dialogs, printer, desktop);
    next.show();
    next.Load();
    EXPECT_EQ(next.size(), QSize(700, 500));
    EXPECT_TRUE(child<QRadioButton>(&next, "sortcat")->isChecked());
    EXPECT_EQ(again.listOrder, model::ListOrder::ByCategory);
    const auto* recent = child<QMenu>(&next, "recentmenu");
    const auto entries = [recent] {
        QStringList texts;
        for (const QAction* entry : recent->actions())
            texts << entry->text();
        return texts;
    };
    EXPECT_EQ(entries(), (QStringList{"&1 Deli.lst", "&2 Corner.lst", "&3 grocery.lst"}));

    // An entry opens its store as File > Open does; one whose file is gone goes with a word.
    recent->actions()[1]->trigger();
    EXPECT_EQ(child<QLabel>(&next, "listlbl")->text(), "Corner ($3.10)");
    ASSERT_TRUE(QFile::remove("Deli.lst"));
    dialogs.ok(QDir::toNativeSeparators(folder.path() + "/Deli.lst") +
               " is no longer there. It is taken off the recent stores.");
    recent->actions()[1]->trigger();
    EXPECT_EQ(entries(), (QStringList{"&1 Corner.lst", "&2 grocery.lst"}));
    EXPECT_EQ(child<QLabel>(&next, "listlbl")->text(), "Corner ($3.10)");
}

TEST_F(MainWindowTest, ALargeFontKeepsTheWindowOnTheScreenWithEveryToolbarButtonReachable)
{
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSize(16);
    QApplication::setFont(large);
    start();
    QApplication::setFont(normal);
    const QRect free = window->screen()->availableGeometry();
    EXPECT_TRUE(free.contains(window->frameGeometry())) << "the first size fits the screen";
    EXPECT_LE(window->minimumSizeHint().width(), free.width());
    EXPECT_LE(window->minimumSizeHint().height(), free.height());

    // What the toolbar has no room for is behind its arrow.
    auto* bar = find<QToolBar>("toolbar");
    const QList<QToolButton*> buttons = bar->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    ASSERT_TRUE(find<QWidget>("quitcmd")->isHidden()) << "Exit does not fit beside the others on this screen";
    window->setAnimated(false); // the toolbar opens at once, not over a few frames
    bar->findChild<QToolButton*>("qt_toolbar_ext_button")->click();
    for (QToolButton* button : buttons)
        EXPECT_TRUE(button->isVisible()) << button->objectName().toStdString();
}
