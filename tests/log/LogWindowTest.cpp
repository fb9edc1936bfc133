#include "data/FileFaults.h"
#include "log/LogCommands.h"
#include "log/pantlog1.h"
#include "log/pantlogadd.h"
#include "log/pantlogchart.h"
#include "model/ListViews.h"
#include "model/SharedState.h"
#include "support/FakeDialogs.h"
#include "support/FakeListViews.h"
#include "support/FakePrinter.h"
#include "support/Fixtures.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <QAbstractItemModelTester>
#include <QBarCategoryAxis>
#include <QChart>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace shoplog;
using data::LogRecord;
using ui::Answer;

namespace {

template<class T> T* control(const QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << "no control named " << name;
    return found;
}

// The Expense Log's controls, found by name.
struct LogControls
{
    explicit LogControls(const QWidget* w)
        : List1(control<QListView>(w, "List1"))
        , commentlbl(control<QLabel>(w, "commentlbl"))
        , coupontot(control<QLabel>(w, "coupontot"))
        , nettot(control<QLabel>(w, "nettot"))
        , couponavg(control<QLabel>(w, "couponavg"))
        , netavg(control<QLabel>(w, "netavg"))
        , limitopt(control<QPushButton>(w, "limitopt"))
        , editcmd(control<QPushButton>(w, "editcmd"))
        , chartcmd(control<QPushButton>(w, "chartcmd"))
        , printcmd(control<QPushButton>(w, "printcmd"))
        , quitcmd(control<QPushButton>(w, "quitcmd"))
    {
    }
    QListView* List1;
    QLabel *commentlbl, *coupontot, *nettot, *couponavg, *netavg;
    QPushButton *limitopt, *editcmd, *chartcmd, *printcmd, *quitcmd;
};

// The entry editor's controls, found by name.
struct EditorControls
{
    explicit EditorControls(const QWidget* w)
        : listnametxt(control<QLineEdit>(w, "listnametxt"))
        , entrydatetxt(control<QLineEdit>(w, "entrydatetxt"))
        , couponstxt(control<QLineEdit>(w, "couponstxt"))
        , totaltxt(control<QLineEdit>(w, "totaltxt"))
        , commenttxt(control<QLineEdit>(w, "commenttxt"))
        , savecmd(control<QPushButton>(w, "savecmd"))
        , deletecmd(control<QPushButton>(w, "deletecmd"))
        , quitcmd(control<QPushButton>(w, "quitcmd"))
    {
    }
    QLineEdit *listnametxt, *entrydatetxt, *couponstxt, *totaltxt, *commenttxt;
    QPushButton *savecmd, *deletecmd, *quitcmd;
};

} // namespace

namespace {

// The main window as the log commands see it: a total to file and nothing else.
} // namespace

class LogWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<QMainWindow>();
        window->menuBar()->addMenu(QStringLiteral("Log"))->setObjectName(QStringLiteral("logmenucmd"));
        window->show();
        log = std::make_unique<LogCommands>(state, dialogs, printer, views, window.get());
    }
    static std::vector<LogRecord> logged() { return recordsIn<LogRecord>(kLogFile); }
    static void writeLog(const std::vector<LogRecord>& records) { TempFolder::write(kLogFile, bytesOf(records)); }

    LogControls openLog()
    {
        log->logsee();
        pantlog1* v = log->viewer();
        EXPECT_TRUE(QTest::qWaitFor([v] { return v->isActiveWindow(); }));
        return LogControls(v);
    }
    QStringList rows() const
    {
        QStringList rows;
        const auto* model = LogControls(log->viewer()).List1->model();
        for (int r = 0; r < model->rowCount(); ++r)
            rows.append(model->index(r, 0).data().toString().left(20).trimmed());
        return rows;
    }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}, bool twice = false)
    {
        QListView* list = LogControls(log->viewer()).List1;
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, at);
        if (twice)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, modifiers, at);
    }
    // Opens the editor on a line by a double click or by Edit, and waits until it is active.
    EditorControls editRow(int row, bool doubleClick = false)
    {
        clickRow(row, {}, doubleClick);
        if (!doubleClick)
            LogControls(log->viewer()).editcmd->click();
        pantlogadd* e = log->viewer()->editor();
        EXPECT_TRUE(e && e->isVisible());
        // The window system reports it active a moment before the widgets know.
        EXPECT_TRUE(QTest::qWaitFor([e] { return e->isActiveWindow(); }));
        return EditorControls(e);
    }
    static void typeInto(QLineEdit* box, const QString& text, QWidget* next)
    {
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        QTest::keyClicks(box, text);
        next->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents(); // a complaint comes right after the focus moved on
    }
    QStringList figures() const
    {
        const LogControls f(log->viewer());
        return {f.coupontot->text(), f.nettot->text(), f.couponavg->text(), f.netavg->text()};
    }

    TempFolder folder;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeListViews views;
    model::SharedState state;
    std::unique_ptr<QMainWindow> window;
    std::unique_ptr<LogCommands> log;
};

TEST_F(LogWindowTest, FilingEntriesForTheShoppingList)
{
    log->logput();
    EXPECT_TRUE(dialogs.boxes().empty()) << "an empty list files nothing and says nothing";
    EXPECT_FALSE(TempFolder::exists(kLogFile));

    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", "2.49", "1", {}, QString(".5")),
                                                         listItem("Tea", "43.51", "1", {}, QString(".25"))}));
    ASSERT_TRUE(state.items.open("grocery.lst"));
    views.total = "45.5";
    const QString question = "Do you wish to include a comment with this entry?";
    dialogs.answer(Answer::Cancel, question);
    log->logput();
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::YesNoCancel);
    EXPECT_EQ(dialogs.last().title, ui::Title::none());
    EXPECT_TRUE(logged().empty()) << "Cancel files nothing";

    const QString longComment(120, u'c');
    dialogs.answer(Answer::Yes, question).type("", "Enter your comment...").ok("Entry Filed");
    dialogs.answer(Answer::Yes, question).type(longComment).ok("Entry Filed");
    dialogs.answer(Answer::No, question).ok("Entry Filed");
    for (int i = 0; i < 3; ++i)
        log->logput();
    EXPECT_EQ(dialogs.boxes()[2].title, ui::Title::application()) << "the comment's input box";
    EXPECT_EQ(dialogs.last().title, ui::Title::none());

    const std::vector<LogRecord> entries = logged();
    ASSERT_EQ(entries.size(), 3u);
    const LogRecord today = logEntry(QDate::currentDate().toString("MM-dd-yy"), ".75", "45.50", "grocery");
    EXPECT_EQ(entries[0], today) << "same day, same list: entries alike, blank comment, zero spare";
    EXPECT_EQ(entries[2], today);
    EXPECT_EQ(entries[1].get(LogRecord::comment), longComment.left(100));

    QDir().mkdir("elsewhere");
    ASSERT_TRUE(QDir().rename(kLogFile, "elsewhere/pantlog.dat"));
    QDir().mkdir(kLogFile); // no file can be opened under that name
    dialogs.answer(Answer::Ok);
    log->logput();
    EXPECT_TRUE(dialogs.last().text.startsWith("Opening pantlog.dat failed")) << dialogs.last().text.toStdString();
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Critical);
}

TEST_F(LogWindowTest, TheLogListsOldestFirstAndShowsTheClickedEntry)
{
    writeLog({logEntry("12-30-26", "1.00", "10.00", "grocery", "new year"), logEntry("01-02-27", "", "20.00", "Corner"),
              logEntry("06-15-26", ".50", "30.00", "grocery", "summer")});
    LogControls f = openLog();
    pantlog1* viewer = log->viewer();
    EXPECT_EQ(viewer->windowTitle(), "Pantrix Shopping Log");
    EXPECT_EQ(viewer->windowModality(), Qt::WindowModal) << "the main window takes no input";
    EXPECT_EQ(rows(), (QStringList{"grocery", "grocery", "Corner"}));
    EXPECT_EQ(figures(), (QStringList{"1.50", "60.00", ".50", "20.00"}));

    clickRow(0);
    EXPECT_EQ(f.commentlbl->text(), "summer");
    clickRow(1);
    EXPECT_EQ(f.commentlbl->text(), "new year");

    f.List1->clearSelection();
    dialogs.ok("No item selected").ok("No item selected");
    f.editcmd->click();
    f.limitopt->click();
    EXPECT_EQ(dialogs.last().title, ui::Title::none());
    EXPECT_EQ(viewer->editor(), nullptr);

    EditorControls e = editRow(2, true);
    EXPECT_EQ(viewer->editor()->windowTitle(), "Add/Edit");
    EXPECT_EQ(e.listnametxt->text(), "Corner") << "the entry of the line clicked";
    e.quitcmd->click();
    EXPECT_FALSE(viewer->editor()->isVisible());

    QSignalSpy closed(log.get(), &LogCommands::logClosed);
    f.quitcmd->click();
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(LogWindowTest, RestrictingToOneListOrToPickedEntriesAndRestoring)
{
    writeLog({logEntry("01-01-27", "1.00", "10.00", "grocery"), logEntry("01-02-27", "", "20.00", "Corner"),
              logEntry("01-03-27", "2.00", "30.00", "GROCERY"), logEntry("01-04-27", "", "40.00", "Market")});
    LogControls f = openLog();
    QAbstractItemModelTester tester(f.List1->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(f.limitopt->text(), "Restrict list");
    EXPECT_EQ(f.limitopt->toolTip(),
              "See only the highlighted store (single selection) or selected entries (multiple selection)");
    clickRow(2);
    f.limitopt->click();
    EXPECT_EQ(rows(), (QStringList{"grocery", "GROCERY"}));
    EXPECT_EQ(figures(), (QStringList{"3.00", "40.00", "1.50", "20.00"}));
    EXPECT_EQ(f.limitopt->text(), "Restore List");
    EXPECT_EQ(f.limitopt->toolTip(), "");

    // The printout holds every entry, with the figures the window shows.
    f.printcmd->click();
    const QStringList printed = printer.lastText();
    EXPECT_EQ(printed.filter(QRegularExpression("^(grocery|Corner|GROCERY|Market) ")).size(), 4);
    EXPECT_TRUE(printed.contains("Net: 40.00"));
    printer.next.error = "the printer is out of paper";
    dialogs.ok("Printer error\r\nthe printer is out of paper");
    f.printcmd->click();

    f.limitopt->click();
    EXPECT_EQ(rows().size(), 4);
    EXPECT_EQ(f.limitopt->text(), "Restrict List");
    EXPECT_EQ(f.limitopt->toolTip(), " See entries only for the list you have highlighted above ");

    clickRow(3);
    clickRow(0, Qt::ControlModifier);
    clickRow(1, Qt::ControlModifier);
    f.limitopt->click();
    EXPECT_EQ(rows(), (QStringList{"grocery", "Corner", "Market"})) << "in the order they had";
    EXPECT_EQ(figures(), (QStringList{"1.00", "70.00", ".33", "23.33"}));
    clickRow(1);
    EXPECT_EQ(log->viewer()->state().current, 2) << "a line maps back to its own entry";
}

TEST_F(LogWindowTest, TheEditorChecksItsBoxesAndSavesOverTheEntry)
{
    writeLog({logEntry("01-01-27", "", "10.00", "grocery"), logEntry("01-02-27", ".5", "20", "corner", "old")});
    openLog();
    EditorControls e = editRow(1);
    EXPECT_EQ(e.couponstxt->text(), ".50");
    typeInto(e.totaltxt, "12.5", e.commenttxt);
    EXPECT_EQ(e.totaltxt->text(), "12.50");
    dialogs.ok("Entry not valid");
    typeInto(e.couponstxt, "abc", e.commenttxt);
    EXPECT_EQ(dialogs.last().title, ui::Title::application());
    EXPECT_TRUE(e.couponstxt->hasFocus());
    dialogs.ok("Entry not valid");
    e.savecmd->click(); // still not a number: nothing is written
    EXPECT_EQ(logged()[1].text(LogRecord::coupons), ".5");

    typeInto(e.couponstxt, "1234.56", e.commenttxt);
    typeInto(e.entrydatetxt, "dec 5", e.commenttxt);
    EXPECT_EQ(e.entrydatetxt->text(), "DEC 5");
    typeInto(e.totaltxt, "12345.67", e.commenttxt);
    e.commenttxt->setText("  new  ");
    e.savecmd->click();
    EXPECT_FALSE(log->viewer()->editor()->isVisible());
    EXPECT_EQ(logged()[1], logEntry("DEC 5", "1234.6", "12345.7", "corner", "new"));
    EXPECT_EQ(logged()[0], logEntry("01-01-27", "", "10.00", "grocery"));

    // Rebuilt with the first line selected; the entry with no readable date now comes last.
    const LogControls f(log->viewer());
    EXPECT_EQ(rows(), (QStringList{"grocery", "corner"}));
    EXPECT_EQ(f.List1->selectionModel()->selectedRows().size(), 1);
    EXPECT_TRUE(f.List1->selectionModel()->isRowSelected(0));
    EXPECT_EQ(log->viewer()->state().current, 1);
}

TEST_F(LogWindowTest, DeletingAsksThenCompactsTheFile)
{
    writeLog({logEntry("01-01-27", "", "10.00", "a"), logEntry("01-02-27", "", "20.00", "b"),
              logEntry("01-03-27", "", "30.00", "c")});
    openLog();
    editRow(1);
    dialogs.answer(Answer::No, "Delete this record for 01-02-27?");
    EditorControls(log->viewer()->editor()).deletecmd->click();
    EXPECT_EQ(dialogs.last().title, ui::Title::own("Confirm"));
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::YesNo);
    EXPECT_EQ(logged().size(), 3u);

    dialogs.answer(Answer::Yes, "Delete this record for 01-02-27?");
    EditorControls(log->viewer()->editor()).deletecmd->click();
    EXPECT_EQ(logged(), (std::vector{logEntry("01-01-27", "", "10.00", "a"), logEntry("01-03-27", "", "30.00", "c")}));
    EXPECT_EQ(rows(), (QStringList{"a", "c"}));
    EXPECT_EQ(LogControls(log->viewer()).commentlbl->text(), "");

    EXPECT_EQ(log->viewer()->state().current, 1) << "the first line is the current entry";
}

TEST_F(LogWindowTest, AFailedDeleteLeavesTheFileAsItWas)
{
    const std::vector records{logEntry("01-01-27", "", "10.00", "a"), logEntry("01-02-27", "", "20.00", "b")};
    writeLog(records);
    openLog();
    editRow(0);
    const data::FileFaultGuard full(data::FileStep::Write, kLogFile);
    dialogs.answer(Answer::Yes, "Delete this record for 01-01-27?").answer(Answer::Ok);
    EditorControls(log->viewer()->editor()).deletecmd->click();
    EXPECT_EQ(dialogs.last().text, "Writing pantlog.dat failed: No space left on device");
    EXPECT_EQ(TempFolder::read(kLogFile), bytesOf(records));
    EXPECT_TRUE(log->viewer()->editor()->isVisible()) << "the user can close it or try again";
    EXPECT_EQ(rows().size(), 2);
}

TEST_F(LogWindowTest, TheChartShowsTheListedEntriesByMonthAndSavesAPicture)
{
    std::vector<LogRecord> year;
    for (int month = 1; month <= 12; ++month) {
        const QString date = QDate(2026, month, 10).toString("MM-dd-yy");
        year.push_back(logEntry(date, "1.00", "50.00", "grocery"));
        year.push_back(logEntry(date, "", "30.00", "corner"));
    }
    writeLog(year);
    LogControls f = openLog();
    f.chartcmd->click();
    EXPECT_EQ(f.chartcmd->toolTip(), "See spending by month");
    pantlogchart* chart = log->viewer()->chart();
    ASSERT_TRUE(chart && chart->isVisible());
    EXPECT_TRUE(chart->chart()->title().contains("average per trip $40.00")) << chart->chart()->title().toStdString();
    auto* months = qobject_cast<QBarCategoryAxis*>(chart->chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(months, nullptr);
    EXPECT_EQ(months->categories().size(), 12);

    chart->setFileChooser([](QWidget*) { return QStringLiteral("spending"); });
    control<QPushButton>(chart, "savecmd")->click();
    EXPECT_TRUE(TempFolder::read("spending.png").startsWith("\x89PNG"));
    chart->setFileChooser([](QWidget*) { return QStringLiteral("no such folder/spending.png"); });
    dialogs.ok("Saving the chart as no such folder/spending.png failed.");
    control<QPushButton>(chart, "savecmd")->click();

    // Restricted to one store, the chart is that store's.
    clickRow(1);
    f.limitopt->click();
    f.chartcmd->click();
    chart = log->viewer()->chart();
    EXPECT_TRUE(chart->chart()->title().contains("corner")) << chart->chart()->title().toStdString();
    EXPECT_TRUE(chart->chart()->title().contains("$30.00"));

    // An empty log charts nothing and says so.
    writeLog({});
    openLog().chartcmd->click();
    chart = log->viewer()->chart();
    EXPECT_TRUE(chart->chart()->series().isEmpty());
    EXPECT_TRUE(chart->chart()->title().startsWith("Nothing to chart"));
    EXPECT_FALSE(control<QPushButton>(chart, "savecmd")->isEnabled());
    LogControls(log->viewer()).quitcmd->click();
    EXPECT_FALSE(chart->isVisible()) << "it closes with the log";
}

TEST_F(LogWindowTest, TheLogButtonPopsUpTheLogMenu)
{
    log->popUpMenu();
    auto* menu = window->findChild<QMenu*>("logmenucmd");
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}
