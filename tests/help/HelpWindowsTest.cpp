#include "app/ListFonts.h"
#include "help/HelpCommands.h"
#include "help/pantabt.h"
#include "help/pantguide.h"
#include "help/panthelp.h"
#include "model/ProgramInfo.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

using help::HelpSection;
using ui::Answer;

namespace {

// A stand-in for the main window: five lists in a layout, and the help commands on them.
class HelpWindowsTest : public MainWindowTest
{
protected:
    HelpWindowsTest()
    {
        auto* layout = new QVBoxLayout(&host);
        for (const char* name : {"List1", "List2", "List3", "List4", "Combo1"}) {
            auto* list = new QListWidget(&host);
            list->setObjectName(name);
            list->addItems({"Milk", "Tea", "Bread"});
            layout->addWidget(list);
            lists.append(list);
        }
        host.resize(300, 700);
        host.show();
        commands = new help::HelpCommands(dialogs, printer, desktop, &host);
    }

    static void click(QWidget* w, const char* name)
    {
        QTest::mouseClick(child<QAbstractButton>(w, name), Qt::LeftButton);
    }

    QWidget host;
    QList<QWidget*> lists;
    help::HelpCommands* commands;
};

} // namespace

TEST_F(HelpWindowsTest, TopicHelpIsReplacedAndPrintsAndProgramHelpFallsBackToTheGuide)
{
    commands->mergeHelp();
    QPointer<help::panthelp> merge = commands->help();
    ASSERT_TRUE(merge->isVisible());
    EXPECT_EQ(merge->rows(), help::helpRows(HelpSection::MergeFiles));
    EXPECT_EQ(child<QListWidget>(merge, "List1")->font().pointSizeF(), 9.0);

    commands->customListHelp();
    EXPECT_TRUE(merge.isNull()) << "the earlier window is replaced, not kept beside";
    help::panthelp* help = commands->help();
    EXPECT_EQ(help->rows(), help::helpRows(HelpSection::CustomLists));
    EXPECT_EQ(child<QListWidget>(help, "List1")->font().pointSizeF(), QApplication::font(help).pointSizeF());

    click(help, "printcmd");
    EXPECT_EQ(printer.lastText(), QStringList(3, QString()) + help::helpRows(HelpSection::CustomLists));
    EXPECT_TRUE(help->isVisible()) << "printing leaves the window open";

    printer.next.error = "The printer PDF-1 is out of paper.";
    dialogs.ok("Printer error\r\nThe printer PDF-1 is out of paper.");
    click(help, "printcmd");

    click(help, "quitcmd");
    EXPECT_FALSE(help->isVisible());

    commands->programHelp();
    EXPECT_TRUE(desktop.opened.empty()) << "no pantrix.hlp here";
    ASSERT_TRUE(commands->guide() && commands->guide()->isVisible());
    const QString guide = child<QTextBrowser>(commands->guide(), "guidetxt")->toPlainText();
    for (const char* topic : {"Where your files live", "Make a log entry", "Restrict list", "Edit", "Chart",
                              "PANTRIX_PRINTER", "Printouts"})
        EXPECT_TRUE(guide.contains(topic)) << topic;
    EXPECT_TRUE(child<QLabel>(commands->guide(), "noticelbl")->isHidden());
    click(commands->guide(), "closecmd");

    TempFolder::write("pantrix.hlp", "help");
    commands->programHelp();
    EXPECT_EQ(desktop.opened, std::vector{QUrl::fromLocalFile(folder.path() + "/pantrix.hlp")});
    EXPECT_FALSE(commands->guide()->isVisible()) << "closed by its button, not shown beside the help file";

    desktop.works = false; // nothing on this desktop shows .hlp files: the guide says so, and no box
    commands->programHelp();
    EXPECT_TRUE(commands->guide()->isVisible());
    auto* notice = child<QLabel>(commands->guide(), "noticelbl");
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().startsWith("pantrix.hlp could not be opened")) << notice->text().toStdString();

    QFile::remove("pantrix.hlp");
    commands->programHelp();
    EXPECT_TRUE(notice->isHidden()) << "no help file, nothing to explain";
}

TEST_F(HelpWindowsTest, AboutIsOneWindowWithItsLabelsAndLinkAndSwallowsF1)
{
    QAction programHelp(&host);
    programHelp.setShortcut(Qt::Key_F1);
    programHelp.setShortcutContext(Qt::ApplicationShortcut);
    host.addAction(&programHelp);
    int asked = 0;
    QObject::connect(&programHelp, &QAction::triggered, [&] { ++asked; });
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    QTest::keyClick(&host, Qt::Key_F1);
    ASSERT_EQ(asked, 1) << "the shortcut works outside the about window";

    commands->about();
    commands->about();
    EXPECT_EQ(host.findChildren<help::pantabt*>(), QList{commands->aboutWindow()}) << "one window";
    help::pantabt* about = commands->aboutWindow();
    EXPECT_EQ(child<QLabel>(about, "Label1_3")->text(), " Version 6.1.1");
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    QWidget* close = child<QWidget>(about, "Command1");
    close->setFocus();
    QTest::keyClick(close, Qt::Key_F1);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(about->isVisible());

    emit child<QLabel>(about, "FreeLink1")->linkActivated(model::kWebsite);
    click(about, "SSCommand1");
    EXPECT_EQ(desktop.opened, (std::vector<QUrl>(2, QUrl(model::kWebsite))));
    click(about, "Command1");
    EXPECT_FALSE(about->isVisible());
    commands->about();
    commands->hideAbout(); // the main window is active again
    EXPECT_FALSE(commands->aboutWindow()->isVisible());
}

TEST_F(HelpWindowsTest, MagnifierCyclesEveryList)
{
    for (double expected : {14.25, 18.0, app::desktopListFontSize(lists[0]), 14.25}) {
        app::magnifyLists(lists);
        for (QWidget* list : lists)
            EXPECT_EQ(list->font().pointSizeF(), expected) << list->objectName().toStdString();
    }

    QFont odd = lists[0]->font();
    odd.setPointSizeF(11.5);
    lists[0]->setFont(odd);
    app::magnifyLists(lists);
    EXPECT_EQ(lists[1]->font().pointSizeF(), 14.25) << "a size the magnifier did not set is left alone";
}

TEST_F(HelpWindowsTest, CompanionProgramStartsOrIsOffered)
{
    const QString offer = "You have not installed the optional DISHOMAT feature.\r\n\r\nWould you like to do that now?";
    const QUrl page(model::kCompanionWebsite);

    dialogs.answer(Answer::No, offer, ui::Title::none()); // missing
    commands->meals();
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::YesNo);

    TempFolder::write("fenrola.exe", {}); // a leftover, not a program
    dialogs.answer(Answer::Yes, offer);
    commands->meals();
    EXPECT_EQ(desktop.opened, std::vector<QUrl>{page});
    EXPECT_TRUE(desktop.started.empty());

    TempFolder::write("fenrola.exe", "MZ\x90");
    commands->meals(); // a started program needs no word
    EXPECT_EQ(desktop.started, std::vector<QString>{"fenrola.exe"});

    desktop.works = false;
    dialogs.ok("fenrola.exe could not be started.");
    commands->meals();

    commands->openCompanionWebsite(); // the link beside the lists
    EXPECT_EQ(desktop.opened.back(), page);
}
