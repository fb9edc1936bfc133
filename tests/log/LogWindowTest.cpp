#include "data/FileFaults.h"
#include "log/LogCommands.h"
#include "log/pantlog1.h"
#include "log/pantlogadd.h"
#include "log/pantlogchart.h"
#include "support/DarkPalette.h"
#include "support/FakeListViews.h"
#include "support/FileSizeLimit.h"
#include "support/MainWindowFixture.h"

#include <QAbstractItemModelTester>
#include <QBarCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace shoplog;
using data::LogRecord;
using ui::Answer;

// The log commands under a stand-in main window that has a Log menu.
class LogWindowTest : public MainWindowTest
{
protected:
    LogWindowTest()
    {
        host.menuBar()->addMenu(QStringLiteral("Log"))->setObjectName(QStringLiteral("logmenucmd"));
        host.show();
    }
    static std::vector<LogRecord> logged() { return recordsIn<LogRecord>(kLogFile); }
    static void writeLog(const std::vector<LogRecord>& records) { TempFolder::write(kLogFile, bytesOf(records)); }

    // A control of the Expense Log (or of the given window), found by name.
    template<class T = QPushButton> T* in(const char* name, const QWidget* w = nullptr) const
    {
        return child<T>(w ? w : log.viewer(), name);
    }
    template<class T = QPushButton> T* edit(const char* name) const { return in<T>(name, log.viewer()->editor()); }
    QString label(const char* name) const { return in<QLabel>(name)->text(); }
    QListView* list() const { return in<QListView>("List1"); }

    void openLog()
    {
        log.logsee();
        EXPECT_TRUE(QTest::qWaitFor([this] { return log.viewer()->isActiveWindow(); }));
    }
    // The list names of the lines.
    QStringList rows() const { return rowsOf(list()).replaceInStrings(QRegularExpression(" {2,}.*"), ""); }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}, bool twice = false)
    {
        MainWindowTest::clickRow(list(), row, twice, modifiers);
    }
    // Opens the editor on a line by a double click or by Edit, and waits until it is active.
    void editRow(int row, bool doubleClick = false)
    {
        clickRow(row, {}, doubleClick);
        if (!doubleClick)
            in("editcmd")->click();
        pantlogadd* e = log.viewer()->editor();
        EXPECT_TRUE(e && e->isVisible());
        // The window system reports it active a moment before the widgets know.
        EXPECT_TRUE(QTest::qWaitFor([e] { return e->isActiveWindow(); }));
    }
    void typeInto(const char* box, const QString& text) const
    {
        MainWindowTest::typeInto(edit<QLineEdit>(box), text, edit<QLineEdit>("commenttxt"));
    }
    QStringList figures() const { return {label("coupontot"), label("nettot"), label("couponavg"), label("netavg")}; }

    FakeListViews views;
    QMainWindow host;
    LogCommands log{state, dialogs, printer, desktop, views, &host};
};

TEST_F(LogWindowTest, FilingEntriesForTheShoppingList)
{
    log.logput(); // an empty list says nothing and files nothing (see below)

    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", "2.49", "1", {}, QString(".5")),
                                                         listItem("Tea", "43.51", "1", {}, QString(".25"))}));
    ASSERT_TRUE(state.items.open("grocery.lst"));
    views.total = "45.5";
    const QString question = "Do you wish to include a comment with this entry?";
    dialogs.answer(Answer::Cancel, question);
    log.logput();
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::YesNoCancel);

    const QString longComment(120, u'c');
    dialogs.answer(Answer::Yes, question).type("", "Enter your comment...", ui::Title::application());
    dialogs.ok("Entry Filed", ui::Title::none()).answer(Answer::Yes, question).type(longComment).ok("Entry Filed");
    dialogs.answer(Answer::No, question).ok("Entry Filed");
    for (int i = 0; i < 3; ++i)
        log.logput();

    const QString date = QDate::currentDate().toString("MM-dd-yy");
    const LogRecord today = logEntry(date, ".75", "45.50", "grocery");
    EXPECT_EQ(logged(), (std::vector{today, logEntry(date, ".75", "45.50", "grocery", longComment.left(100)), today}))
        << "nothing from the empty list or Cancel; same day, same list: entries alike, blank comment, zero spare, "
           "the comment cut to its field";

    ASSERT_TRUE(QFile::remove(kLogFile));
    QDir().mkdir(kLogFile); // no file can be opened under that name
    dialogs.answer(Answer::Ok);
    log.logput();
    EXPECT_TRUE(dialogs.last().text.startsWith("Opening pantlog.dat failed")) << dialogs.last().text.toStdString();
}

TEST_F(LogWindowTest, TheLogListsByDateShowsTheClickedEntryAndRestrictsAndRestores)
{
    // Out of file order, so that every line must map back through the sorting.
    writeLog({logEntry("01-02-27", "", "20.00", "Corner"), logEntry("01-01-27", "1.00", "10.00", "grocery", "new year"),
              logEntry("01-03-27", "2.00", "30.00", "GROCERY"), logEntry("01-04-27", "", "40.00", "Market")});
    openLog();
    pantlog1* viewer = log.viewer();
    EXPECT_EQ(viewer->windowModality(), Qt::WindowModal) << "the main window takes no input";
    QAbstractItemModelTester tester(list()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(rows(), (QStringList{"grocery", "Corner", "GROCERY", "Market"}));
    clickRow(0);
    EXPECT_EQ(label("commentlbl"), "new year");

    list()->clearSelection();
    dialogs.ok("No item selected", ui::Title::none()).ok("No item selected", ui::Title::none());
    in("editcmd")->click();
    in("limitopt")->click();
    EXPECT_EQ(viewer->editor(), nullptr);
    editRow(1, true);
    EXPECT_EQ(edit<QLineEdit>("listnametxt")->text(), "Corner") << "the entry of the line clicked";
    edit("quitcmd")->click();
    EXPECT_FALSE(viewer->editor()->isVisible());

    QPushButton* limit = in("limitopt");
    clickRow(2);
    limit->click();
    EXPECT_EQ(rows(), (QStringList{"grocery", "GROCERY"}));
    EXPECT_EQ(limit->text(), "Restore List");

    // The printout holds every entry, with the figures the window shows.
    in("printcmd")->click();
    EXPECT_EQ(printer.lastText().filter(QRegularExpression("^(grocery|Corner|GROCERY|Market) ")).size(), 4);
    EXPECT_TRUE(printer.lastText().contains("Net: 40.00"));
    printer.next.error = "the printer is out of paper";
    dialogs.ok("Printer error\r\nthe printer is out of paper");
    in("printcmd")->click();

    limit->click();
    EXPECT_EQ(rows().size(), 4);
    EXPECT_EQ(limit->text(), "Restrict List");

    clickRow(3);
    clickRow(0, Qt::ControlModifier);
    clickRow(1, Qt::ControlModifier);
    limit->click();
    EXPECT_EQ(rows(), (QStringList{"grocery", "Corner", "Market"})) << "in the order they had";
    EXPECT_EQ(figures(), (QStringList{"1.00", "70.00", ".33", "23.33"}));
    clickRow(1);
    EXPECT_EQ(viewer->state().current, 1) << "a line maps back to its own entry";

    QSignalSpy closed(&log, &LogCommands::logClosed);
    in("quitcmd")->click();
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_EQ(closed.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(log.viewer(), nullptr) << "closed, the window lets the log's lines go";
}

TEST_F(LogWindowTest, TheEditorChecksItsBoxesSavesOverTheEntryAndDeletes)
{
    writeLog({logEntry("01-01-27", "", "10.00", "grocery"), logEntry("01-02-27", ".5", "20", "corner", "old"),
              logEntry("01-03-27", "", "30.00", "market")});
    openLog();
    editRow(1);
    typeInto("totaltxt", "12.5");
    EXPECT_EQ(edit<QLineEdit>("totaltxt")->text(), "12.50");
    dialogs.ok("Entry not valid", ui::Title::application());
    typeInto("couponstxt", "abc");
    EXPECT_TRUE(edit<QLineEdit>("couponstxt")->hasFocus());
    dialogs.ok("Entry not valid");
    edit("savecmd")->click(); // still not a number: nothing is written
    EXPECT_EQ(logged()[1].text(LogRecord::coupons), ".5");

    typeInto("couponstxt", "999.99");
    typeInto("entrydatetxt", "dec 5");
    typeInto("totaltxt", "12345.67");
    edit<QLineEdit>("commenttxt")->setText("  new  ");
    dialogs.ok("Entry not valid\r\nThe log keeps totals up to 9999.99 and coupon savings up to 999.99.");
    edit("savecmd")->click(); // too large to keep to the cent: refused, not rounded
    EXPECT_EQ(logged()[1].text(LogRecord::total), "20");
    typeInto("totaltxt", "9999.99");
    edit("savecmd")->click();
    EXPECT_FALSE(log.viewer()->editor()->isVisible());
    const std::vector records = logged();
    EXPECT_EQ(records, (std::vector{logEntry("01-01-27", "", "10.00", "grocery"),
                                    logEntry("DEC 5", "999.99", "9999.99", "corner", "new"),
                                    logEntry("01-03-27", "", "30.00", "market")}));

    // Rebuilt with the first line selected; the entry with no readable date now comes last.
    EXPECT_EQ(rows(), (QStringList{"grocery", "market", "corner"}));
    EXPECT_EQ(list()->selectionModel()->selectedRows(), QModelIndexList{list()->model()->index(0, 0)});
    EXPECT_EQ(log.viewer()->state().current, 1);

    editRow(1);
    const QString question = "Delete this record for 01-03-27?";
    dialogs.answer(Answer::No, question, ui::Title::own("Confirm"));
    edit("deletecmd")->click();
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::YesNo);
    {
        const data::FileFaultGuard full(data::FileStep::Write, kLogFile);
        dialogs.answer(Answer::Yes, question).ok("Writing pantlog.dat failed: No space left on device");
        edit("deletecmd")->click();
        EXPECT_EQ(logged(), records) << "neither No nor the failed write changed it";
        EXPECT_TRUE(log.viewer()->editor()->isVisible()) << "the user can close it or try again";
        EXPECT_EQ(rows().size(), 3);
    }
    dialogs.answer(Answer::Yes, question);
    edit("deletecmd")->click();
    EXPECT_EQ(logged(), (std::vector{records[0], records[1]}));
    EXPECT_EQ(rows(), (QStringList{"grocery", "corner"}));
    EXPECT_EQ(log.viewer()->state().current, 1) << "the first line is the current entry";
}

TEST_F(LogWindowTest, TheChartShowsTheListedEntriesByMonthAndSavesAPicture)
{
    writeLog({logEntry("01-10-26", "1.00", "50.00", "grocery"), logEntry("03-10-26", "", "30.00", "corner")});
    openLog();
    in("chartcmd")->click();
    pantlogchart* chart = log.viewer()->chart();
    ASSERT_TRUE(chart && chart->isVisible());
    EXPECT_TRUE(chart->chart()->title().contains("average per trip $40.00")) << chart->chart()->title().toStdString();
    auto* months = qobject_cast<QBarCategoryAxis*>(chart->chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(months, nullptr);
    EXPECT_EQ(months->categories().size(), 3) << "February too, with nothing spent";
    EXPECT_TRUE(in<QComboBox>("yearcombo", chart)->isHidden()) << "three months need no choice of year";

    chart->setFileChooser([](QWidget*) { return QStringLiteral("spending"); });
    in("savecmd", chart)->click();
    EXPECT_TRUE(TempFolder::read("spending.png").startsWith("\x89PNG"));
    chart->setFileChooser([](QWidget*) { return QStringLiteral("no such folder/spending.png"); });
    dialogs.ok("Writing no such folder/spending.png failed: No such file or directory");
    in("savecmd", chart)->click();
    // On a full disk the picture saved before stays whole, and no part of the new one is left.
    chart->setFileChooser([](QWidget*) { return QStringLiteral("spending.png"); });
    const QByteArray before = TempFolder::read("spending.png");
    dialogs.ok("Writing spending.png failed: File too large");
    {
        FileSizeLimit full(1024);
        in("savecmd", chart)->click();
    }
    EXPECT_EQ(TempFolder::read("spending.png"), before);
    EXPECT_EQ(QDir().entryList({"spending.png*"}), QStringList{"spending.png"});

    // Restricted to one store, the chart is that store's.
    clickRow(1);
    in("limitopt")->click();
    in("chartcmd")->click();
    EXPECT_TRUE(log.viewer()->chart()->chart()->title().contains("corner"));
    EXPECT_TRUE(log.viewer()->chart()->chart()->title().contains("$30.00"));

    // An empty log charts nothing and says so.
    writeLog({});
    openLog();
    in("chartcmd")->click();
    chart = log.viewer()->chart();
    EXPECT_TRUE(chart->chart()->series().isEmpty());
    EXPECT_TRUE(chart->chart()->title().startsWith("Nothing to chart"));
    EXPECT_FALSE(in("savecmd", chart)->isEnabled());
    in("quitcmd")->click();
    EXPECT_FALSE(chart->isVisible()) << "it closes with the log";
}

TEST_F(LogWindowTest, AChartOfManyYearsShowsYearsAndTheMonthsOfAChosenOneInTheDesktopsTheme)
{
    const DarkPalette dark;
    std::vector<LogRecord> records;
    for (int year = 2000; year <= 2026; ++year)
        records.push_back(logEntry(QDate(year, 3, 1).toString("MM-dd-yy"), "", "10.00", "grocery"));
    records.push_back(logEntry("03-12-62", "", "5.00", "grocery"));
    records.push_back(logEntry("DEC 5", "", "5.00", "grocery"));
    writeLog(records);
    openLog();
    in("chartcmd")->click();
    pantlogchart* chart = log.viewer()->chart();
    EXPECT_EQ(chart->chart()->theme(), QChart::ChartThemeDark);
    const auto axis = [chart] {
        return qobject_cast<QBarCategoryAxis*>(chart->chart()->axes(Qt::Horizontal).value(0));
    };
    ASSERT_TRUE(axis());
    EXPECT_EQ(axis()->categories().front() + " " + axis()->titleText(), "2000 2000 \u2013 2026");
    EXPECT_EQ(axis()->categories().size(), 27);
    EXPECT_TRUE(in<QLabel>("notelbl", chart)->text().startsWith("1 entry has a date that cannot be read and 1 entry"));

    auto* years = in<QComboBox>("yearcombo", chart);
    ASSERT_TRUE(years->isVisible());
    EXPECT_EQ(years->itemText(0) + " " + years->itemText(27), "All years 2026");
    years->setCurrentText("2013");
    ASSERT_TRUE(axis());
    EXPECT_EQ(axis()->categories().size(), 12);
    EXPECT_EQ(axis()->categories().value(2) + " " + axis()->titleText(), "Mar 2013");
    EXPECT_TRUE(chart->chart()->title().startsWith("Spending by month"));
    years->setCurrentIndex(0);
    EXPECT_EQ(axis()->categories().size(), 27);
}
