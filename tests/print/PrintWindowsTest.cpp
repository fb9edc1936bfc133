#include "model/SharedState.h"
#include "notes/pantnote.h"
#include "print/PrintCommands.h"
#include "print/PrintSettingsRules.h"
#include "print/pantprnt.h"
#include "support/FakeListViews.h"
#include "support/FileSizeLimit.h"
#include "support/MainWindowFixture.h"
#include "ui/PrintJob.h"
#include "ui/QtPrinter.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

using ui::Answer;

namespace {

// The print commands under a stand-in main window.
class PrintWindowsTest : public MainWindowTest
{
protected:
    PrintWindowsTest()
    {
        TempFolder::write("grocery.dat",
                          bytesOf(std::vector{product("Milk", "2.49", "Dairy"), product("Butter", "3.5", "Dairy", true),
                                              product("Bread", "1.99", "Bakery")}));
        TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", " 4.98", "2", "Dairy"),
                                                             listItem("Bread", " 1.99", "1", "Bakery")}));
        EXPECT_TRUE(state.products.open(state.ProductFile));
        EXPECT_TRUE(state.items.open(state.ListFile));
        views.rows = {"(2) Milk", "     Bread"};
        views.total = "6.97";
        views.shown = {3, 1, 2}; // Bread, Butter, Milk
        QObject::connect(&commands, &print::PrintCommands::windowClosed, [this] { ++closings; });
    }
    // A control of the print dialog, or of the notes window, found by name.
    template<class T = QAbstractButton> T* in(const char* name, const QWidget* w = nullptr) const
    {
        return child<T>(w ? w : commands.printDialog(), name);
    }
    QLineEdit* box(const char* name) const { return in<QLineEdit>(name); }
    template<class T = QAbstractButton> T* note(const char* name) const { return in<T>(name, commands.notesWindow()); }

    FakeListViews views;
    QWidget host;
    print::PrintCommands commands{state, dialogs, printer, desktop, views, &host};
    int closings = 0;
};

const QString kNotesQuestion = "There are notes on file.  Print them?";

} // namespace

TEST_F(PrintWindowsTest, FirstRunPreviewsSavesBothFilesThenPrintsTheListAsShown)
{
    commands.openPrintDialog();
    EXPECT_EQ(commands.printDialog()->windowModality(), Qt::WindowModal);

    // The preview prints and saves nothing.
    QTimer::singleShot(0, [] {
        QWidget* shown = QApplication::activeModalWidget();
        EXPECT_TRUE(qobject_cast<QPrintPreviewDialog*>(shown));
        shown->close();
    });
    in("previewcmd")->click();
    EXPECT_TRUE(printer.printed.empty() && !commands.printed());
    EXPECT_FALSE(TempFolder::exists("pantlpt.cfg") || TempFolder::exists("pantnote.dat"));
    EXPECT_TRUE(commands.printDialog()->isVisible());

    QTest::keyClick(box("notetxt_0"), Qt::Key_F1); // swallowed: no box, nothing typed
    box("notetxt_1")->setText("  Cash only ");
    in("cancelcmd")->click();
    EXPECT_TRUE(commands.printDialog()->isHidden());
    const QByteArray settings = TempFolder::read("pantlpt.cfg");
    EXPECT_EQ(settings, QByteArray("12 1 1111  ") + QByteArray(497, '\0')) << "as a first run shows them";
    EXPECT_EQ(TempFolder::read("pantnote.dat").mid(60, 60), QByteArray("Cash only").leftJustified(60));

    // Reopened afresh, the focus goes to the first empty comment line.
    commands.openPrintDialog();
    EXPECT_EQ(commands.printDialog()->focusWidget(), box("notetxt_0"));
    box("notetxt_0")->setText("Bags");
    in("exitcmd")->click();
    EXPECT_EQ(TempFolder::read("pantlpt.cfg"), settings) << "exit with no changes writes nothing";
    EXPECT_EQ(print::readCommentLines(), (QStringList{"", "Cash only", ""}));

    TempFolder::write("pantnotes.dat", QByteArray("Buy stamps").leftJustified(3000));
    commands.openPrintDialog();
    in("alpha")->click();
    box("notetxt_0")->setText("Bags");
    dialogs.answer(Answer::Yes, kNotesQuestion, ui::Title::none());
    in("printcmd")->click();
    // The layout is pinned by the printout's own tests; here: the rows as shown, the total, the notes, the comment.
    const QStringList lines = printer.lastText();
    EXPECT_TRUE(lines.value(2).contains("1   Bread (1.99)") && lines.value(3).contains("2   Milk (2.49)"))
        << lines.join('|').toStdString();
    EXPECT_TRUE(lines.value(5).endsWith("  6.97") && lines.contains("Buy stamps") && lines.contains("Bags"));
    EXPECT_TRUE(commands.printed() && commands.printDialog()->isHidden());
    EXPECT_EQ(closings, 3) << "Cancel, Exit, Print";
    EXPECT_TRUE(TempFolder::read("pantnote.dat").startsWith("Bags")) << "saved with the printout";

    // After a printout the comment lines start empty; the printer's failures are told.
    commands.openPrintDialog();
    EXPECT_EQ(box("notetxt_0")->text(), "");
    printer.next.error = "jammed";
    dialogs.answer(Answer::No, kNotesQuestion).ok("Printer error\r\njammed");
    in("printcmd")->click();
    EXPECT_FALSE(printer.printed.back().asText().contains("NOTES:"));
    EXPECT_TRUE(commands.printDialog()->isHidden());
}

TEST_F(PrintWindowsTest, ThePreviewsPrintPrintsAsPrintDoes)
{
    commands.openPrintDialog();
    box("notetxt_0")->setText("Bags");
    QTimer::singleShot(0, [] {
        for (QAction* action : QApplication::activeModalWidget()->findChildren<QAction*>())
            if (action->text() == "Print")
                action->trigger();
    });
    // Whatever else the preview opens is closed, so that a wrong path fails instead of waiting.
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* shown = QApplication::activeModalWidget())
            shown->close();
    });
    guard.start(200);
    in("previewcmd")->click();
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_TRUE(printer.lastText().contains("Bags") && commands.printed() && commands.printDialog()->isHidden());
    EXPECT_TRUE(TempFolder::exists("pantlpt.cfg") && TempFolder::read("pantnote.dat").startsWith("Bags"));
}

TEST_F(PrintWindowsTest, ALongListCancelledWhilePrintingChangesNothing)
{
    std::vector<data::ShoppingItemRecord> items(ui::kPrintProgressFrom, listItem("Milk", " 2.49", "1", "Dairy"));
    TempFolder::write("grocery.lst", bytesOf(items));
    views.rows = QStringList(qsizetype(items.size()), "     Milk");
    TempFolder::write("pantlpt.cfg", QByteArray(11, ' ') + QByteArray(497, 'S'));
    TempFolder::write("pantnote.dat", QByteArray(180, ' '));
    commands.openPrintDialog();
    box("notetxt_0")->setText("Bags");
    in("bold")->click();
    printer.onPage = [](int) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() == "progress")
                QTest::mouseClick(w->findChild<QPushButton*>(), Qt::LeftButton);
    };
    in("printcmd")->click();
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_FALSE(commands.printed());
    EXPECT_TRUE(commands.printDialog()->isVisible() && in("bold")->isChecked());
    EXPECT_EQ(TempFolder::read("pantlpt.cfg"), QByteArray(11, ' ') + QByteArray(497, 'S'));
    EXPECT_EQ(TempFolder::read("pantnote.dat"), QByteArray(180, ' '));

    // Printed to its end, it is saved and the dialog closes.
    printer.onPage = {};
    in("printcmd")->click();
    EXPECT_TRUE(commands.printed() && commands.printDialog()->isHidden());
    EXPECT_TRUE(TempFolder::read("pantnote.dat").startsWith("Bags"));
}

TEST_F(PrintWindowsTest, OptionsStayConsistentSpareSurvivesAndFailedWritesAreTold)
{
    TempFolder::write("pantlpt.cfg", QByteArray(11, ' ') + QByteArray(497, 'S'));
    // Two comment records: the third line reads as empty.
    TempFolder::write("pantnote.dat", QByteArray("One").leftJustified(60) + QByteArray("Two").leftJustified(60));
    commands.openPrintDialog();
    EXPECT_TRUE(in("regular")->isChecked() && in("alpha")->isChecked() && in("noprice")->isChecked());
    EXPECT_FALSE(box("fontsizetxt")->font().bold());
    EXPECT_EQ(commands.printDialog()->focusWidget(), box("notetxt_2"));

    in("catopt")->click();
    EXPECT_TRUE(in("category")->isChecked()) << "headers need the category order";
    in("sepopt")->click();
    in("alpha")->click();
    EXPECT_FALSE(in("catopt")->isChecked() || in("sepopt")->isChecked());
    in("bold")->click();
    EXPECT_TRUE(box("fontsizetxt")->font().bold());

    in("fontdowncmd")->click();
    in("fontdowncmd")->click();
    in("indent")->click();
    box("indenttxt")->setText("4");
    in("clearcmd")->click();
    EXPECT_EQ(box("notetxt_0")->text() + box("notetxt_1")->text(), "");
    in("cancelcmd")->click();
    EXPECT_EQ(TempFolder::read("pantlpt.cfg"), "8  11    4 " + QByteArray(497, 'S')) << "spare kept as read";
    EXPECT_EQ(TempFolder::read("pantnote.dat"), QByteArray(180, ' '));

    // A file that cannot be written is told, and the dialog stays open.
    for (const QString& name : {QStringLiteral("pantnote.dat"), QStringLiteral("pantlpt.cfg")}) {
        ASSERT_TRUE(QFile::remove(name) && QDir().mkdir(name));
        dialogs.ok("Reading " + name + " failed: it is not a regular file"); // told as the dialog opens
        commands.openPrintDialog();
        dialogs.answer(Answer::Ok);
        in("cancelcmd")->click();
        EXPECT_TRUE(dialogs.last().text.contains(name)) << dialogs.last().text.toStdString();
        EXPECT_TRUE(commands.printDialog()->isVisible());
        in("exitcmd")->click();
        ASSERT_TRUE(QDir().rmdir(name));
    }
}

TEST_F(PrintWindowsTest, ProductListPrintsTheRowsShownAndNotesPrintFromTheirWindow)
{
    const QString question = "Print the Product List?";
    dialogs.answer(Answer::No, question, ui::Title::own("Confirm"));
    commands.printProductList();
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Question);

    views.shown = {3, 1}; // the high-fat butter hidden by the diet filter
    const QString pdf = "Printouts/Product List 2026-12-06 10.45.12.pdf";
    printer.next.savedAs = pdf;
    printer.next.noPrinter = true;
    dialogs.answer(Answer::Yes, question)
        .answer(Answer::Yes, "No printer is installed. The printout was saved as " +
                                 QDir::current().absoluteFilePath(pdf) + ".\r\n\r\nOpen it now?");
    commands.printProductList();
    const QStringList lines = printer.lastText();
    ASSERT_EQ(lines.size(), 8);
    EXPECT_TRUE(lines[6].startsWith("Bread") && lines[7].startsWith("Milk")) << "the high-fat butter is hidden";
    EXPECT_EQ(desktop.opened, std::vector{QUrl::fromLocalFile(QDir::current().absoluteFilePath(pdf))});

    state.CategoryFilter = model::CategoryFilter::only("Dairy");
    views.shown = {1};
    dialogs.answer(Answer::Yes, "Print the Dairy list?");
    commands.printProductList();
    EXPECT_EQ(printer.lastText()[4], "Category: Dairy");

    TempFolder::write("pantnotes.dat", QByteArray("  Old\r\nnote").leftJustified(3000));
    commands.openNotes();
    EXPECT_EQ(commands.notesWindow()->windowModality(), Qt::WindowModal);
    QPlainTextEdit* text = note<QPlainTextEdit>("Text1");
    EXPECT_EQ(text->toPlainText(), "Old\nnote");
    dialogs.ok(notes::pantnote::whatsThis(), ui::Title::none());
    note("whatcmd")->click();

    text->setPlainText("Edited");
    note("cancelcmd")->click();
    EXPECT_EQ(closings, 1);
    commands.openNotes();
    text = note<QPlainTextEdit>("Text1");
    EXPECT_EQ(text->toPlainText(), "Old\nnote") << "Close discards the edit";

    text->setPlainText("   ");
    note("printcmd")->click();
    EXPECT_EQ(printer.printed.size(), 2u) << "an empty note prints nothing";
    text->setPlainText(" Stamps\nBulbs ");
    note("printcmd")->click();
    ASSERT_EQ(printer.printed.size(), 3u);
    EXPECT_EQ(printer.printed.back().name(), "Shopping Notes");
    EXPECT_EQ(printer.lastText().mid(6), (QStringList{"Stamps", "Bulbs"}));
    EXPECT_TRUE(commands.notesWindow()->isVisible());
    EXPECT_TRUE(TempFolder::read("pantnotes.dat").startsWith("Stamps\r\nBulbs   "));

    // A note that cannot be saved is told and stays on screen.
    QFile::remove("pantnotes.dat");
    ASSERT_TRUE(QDir().mkdir("pantnotes.dat"));
    text->setPlainText("Unsaved");
    dialogs.answer(Answer::Ok);
    note("savecmd")->click();
    EXPECT_TRUE(dialogs.last().text.contains("pantnotes.dat"));
    EXPECT_TRUE(commands.notesWindow()->isVisible());
    EXPECT_TRUE(QFileInfo("pantnotes.dat").isDir());
}

TEST_F(PrintWindowsTest, TheNotesBoxTakesWhatFitsSaysWhatNotAndKeepsNotesItCannotRead)
{
    TempFolder::write("pantnotes.dat", "Milk\r\nEggs"); // an editor stripped the trailing blanks
    commands.openNotes();
    auto* text = note<QPlainTextEdit>("Text1");
    EXPECT_EQ(text->toPlainText(), "Milk\nEggs");
    EXPECT_EQ(note<QLabel>("countlbl")->text(), "10 of 3000 bytes used");

    // Pasted past the end: what does not fit is told before anything is saved.
    text->moveCursor(QTextCursor::End);
    dialogs.ok("The notes hold 3000 bytes (a line break takes two), so 8 characters of what was put in were left "
               "out:\r\n\r\nine here",
               ui::Title::application());
    text->insertPlainText("\n" + QString(2980, 'p') + "\nLast line here");
    EXPECT_TRUE(text->toPlainText().endsWith("\nLast l"));
    EXPECT_EQ(note<QLabel>("countlbl")->text(), "3000 of 3000 bytes used");
    QTest::keyClick(text, Qt::Key_X); // one more is refused without a box
    note("savecmd")->click();
    EXPECT_TRUE(TempFolder::read("pantnotes.dat").endsWith("\r\nLast l"));

    // Notes that cannot be read are told as the window opens (Save then refuses to replace them).
    TempFolder::write("pantnotes.dat", QByteArray(3001, 'n'));
    dialogs.ok("Reading pantnotes.dat failed: the file is larger than it can be (3001 bytes; at most 3000)");
    commands.openNotes();
}

TEST(QtPrinter, APdfTheDiskCannotHoldIsAnErrorAndLeavesNoFile)
{
    TempFolder folder;
    qputenv("PANTRIX_PRINTER", "pdf");
    ui::PrintDocument doc("Shopping List");
    for (int i = 0; i < 300; ++i)
        doc.line(QStringLiteral("Line %1").arg(i));
    ui::PrintOutcome outcome;
    {
        FileSizeLimit full(4096);
        outcome = ui::QtPrinter().print(doc);
    }
    qunsetenv("PANTRIX_PRINTER");
    EXPECT_TRUE(outcome.error.startsWith("Writing " + QDir::current().absoluteFilePath("Printouts/Shopping List ")))
        << outcome.error.toStdString();
    EXPECT_TRUE(outcome.savedAs.isEmpty());
    EXPECT_TRUE(QDir("Printouts").isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST(QtPrinter, WritesPdfPagesWhenToldTo)
{
    const auto pagesIn = [](const QByteArray& pdf) { return pdf.count("/Type /Page\n") + pdf.count("/Type /Page "); };
    TempFolder folder;
    qputenv("PANTRIX_PRINTER", "pdf");
    ui::PrintDocument doc("Shopping List");
    doc.font("Times New Roman", 12).line("Page one").tab(30).text("column").endLine().newPage().line("Page two");
    ui::QtPrinter printer;
    const ui::PrintOutcome outcome = printer.print(doc);
    ASSERT_TRUE(outcome.ok()) << outcome.error.toStdString();
    const QRegularExpression name(R"(^Printouts/Shopping List \d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d\.pdf$)");
    EXPECT_TRUE(name.match(outcome.savedAs).hasMatch()) << outcome.savedAs.toStdString();
    EXPECT_EQ(pagesIn(TempFolder::read(outcome.savedAs)), 2);

    // Lines that pass the bottom margin go on to a new page (two saves in one second do not
    // overwrite each other).
    ui::PrintDocument longer("Shopping List");
    for (int i = 0; i < 150; ++i)
        longer.line(QStringLiteral("Line %1").arg(i));
    const QString saved = printer.print(longer).savedAs;
    EXPECT_NE(saved, outcome.savedAs);
    EXPECT_GE(pagesIn(TempFolder::read(saved)), 3);

    // Stopped on its second page, it leaves no file.
    const ui::PrintOutcome stopped = printer.print(longer, [](qsizetype, qsizetype) { return false; });
    EXPECT_TRUE(stopped.cancelled && stopped.ok() && stopped.savedAs.isEmpty());
    EXPECT_EQ(QDir("Printouts").entryList(QDir::Files | QDir::Hidden).size(), 2);

    // A printout that cannot be written is an error, and leaves no file.
    QDir("Printouts").removeRecursively();
    TempFolder::write("Printouts", "in the way");
    EXPECT_EQ(printer.print(doc).error, "The folder " + QDir::current().absoluteFilePath("Printouts") +
                                            " for printouts could not be made: a file of that name is in the way.");
    qunsetenv("PANTRIX_PRINTER");
}
