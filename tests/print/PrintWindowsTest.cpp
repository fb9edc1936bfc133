#include "misc/pantnote.h"
#include "model/ListViews.h"
#include "model/SharedState.h"
#include "print/PrintCommands.h"
#include "print/PrintSettingsRules.h"
#include "print/pantprnt.h"
#include "support/FakeDialogs.h"
#include "support/FakeListViews.h"
#include "support/FakePrinter.h"
#include "support/Fixtures.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"
#include "ui/QtPrinter.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <QApplication>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace data;
using ui::Answer;

namespace {

template<class T> T* control(const QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << "no control named " << name;
    return found;
}

// The print dialog's controls, found by name.
struct PrintControls
{
    explicit PrintControls(const QWidget* w)
        : fontsizetxt(control<QLineEdit>(w, "fontsizetxt"))
        , indenttxt(control<QLineEdit>(w, "indenttxt"))
        , notetxt_0(control<QLineEdit>(w, "notetxt_0"))
        , notetxt_1(control<QLineEdit>(w, "notetxt_1"))
        , notetxt_2(control<QLineEdit>(w, "notetxt_2"))
        , fontdowncmd(control<QToolButton>(w, "fontdowncmd"))
        , regular(control<QRadioButton>(w, "regular"))
        , bold(control<QRadioButton>(w, "bold"))
        , alpha(control<QRadioButton>(w, "alpha"))
        , category(control<QRadioButton>(w, "category"))
        , price(control<QRadioButton>(w, "price"))
        , noprice(control<QRadioButton>(w, "noprice"))
        , catopt(control<QCheckBox>(w, "catopt"))
        , sepopt(control<QCheckBox>(w, "sepopt"))
        , indent(control<QCheckBox>(w, "indent"))
        , clearcmd(control<QPushButton>(w, "clearcmd"))
        , printcmd(control<QPushButton>(w, "printcmd"))
        , previewcmd(control<QPushButton>(w, "previewcmd"))
        , cancelcmd(control<QPushButton>(w, "cancelcmd"))
        , exitcmd(control<QPushButton>(w, "exitcmd"))
    {
    }
    QLineEdit *fontsizetxt, *indenttxt, *notetxt_0, *notetxt_1, *notetxt_2;
    QToolButton* fontdowncmd;
    QRadioButton *regular, *bold, *alpha, *category, *price, *noprice;
    QCheckBox *catopt, *sepopt, *indent;
    QPushButton *clearcmd, *printcmd, *previewcmd, *cancelcmd, *exitcmd;
};

// The notes window's controls, found by name.
struct NotesControls
{
    explicit NotesControls(const QWidget* w)
        : Text1(control<QPlainTextEdit>(w, "Text1"))
        , savecmd(control<QPushButton>(w, "savecmd"))
        , cancelcmd(control<QPushButton>(w, "cancelcmd"))
        , printcmd(control<QPushButton>(w, "printcmd"))
        , whatcmd(control<QPushButton>(w, "whatcmd"))
    {
    }
    QPlainTextEdit* Text1;
    QPushButton *savecmd, *cancelcmd, *printcmd, *whatcmd;
};

class PrintWindowsTest : public ::testing::Test
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
    ~PrintWindowsTest() override { EXPECT_TRUE(dialogs.allAnswered()); }

    PrintControls openPrint()
    {
        commands.openPrintDialog();
        return PrintControls(commands.printDialog());
    }
    NotesControls openNotes()
    {
        commands.openNotes();
        return NotesControls(commands.notesWindow());
    }

    TempFolder folder;
    model::SharedState state;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeDesktop desktop;
    FakeListViews views;
    QWidget window;
    print::PrintCommands commands{state, dialogs, printer, desktop, views, &window};
    int closings = 0;
};

const QString kNotesQuestion = "There are notes on file.  Print them?";

} // namespace

TEST_F(PrintWindowsTest, FirstRunShowsEveryOptionOnAndSavesBothFiles)
{
    PrintControls f = openPrint();
    EXPECT_EQ(commands.printDialog()->windowModality(), Qt::WindowModal);
    EXPECT_EQ(f.fontsizetxt->text(), "12");
    EXPECT_TRUE(f.fontsizetxt->font().bold());
    for (QAbstractButton* on : std::initializer_list<QAbstractButton*>{f.bold, f.category, f.price, f.catopt, f.sepopt})
        EXPECT_TRUE(on->isChecked()) << on->objectName().toStdString();
    EXPECT_FALSE(f.indent->isChecked());
    EXPECT_EQ(commands.printDialog()->focusWidget(), f.notetxt_0);
    EXPECT_EQ(f.catopt->toolTip(), "Print the category name at the head of each list category");

    QTest::keyClick(f.notetxt_0, Qt::Key_F1); // swallowed: no box, nothing typed
    f.notetxt_1->setText("  Cash only ");
    f.cancelcmd->click();
    EXPECT_TRUE(commands.printDialog()->isHidden());
    EXPECT_EQ(closings, 1);
    const QByteArray settings = TempFolder::read("pantlpt.cfg");
    EXPECT_EQ(settings, QByteArray("12 1 1111  ") + QByteArray(497, '\0'));
    EXPECT_EQ(TempFolder::read("pantnote.dat").mid(60, 60), QByteArray("Cash only").leftJustified(60));

    // Reopened afresh, the focus goes to the first empty comment line.
    PrintControls g = openPrint();
    EXPECT_EQ(commands.printDialog()->focusWidget(), g.notetxt_0);
    g.notetxt_0->setText("Bags");
    g.notetxt_2->setText("Soon");
    g.exitcmd->click();
    EXPECT_EQ(TempFolder::read("pantlpt.cfg"), settings) << "exit with no changes writes nothing";
    EXPECT_EQ(print::readCommentLines(), (QStringList{"", "Cash only", ""}));
}

TEST_F(PrintWindowsTest, OptionsStayConsistentAndSpareSurvives)
{
    TempFolder::write("pantlpt.cfg", QByteArray(11, ' ') + QByteArray(497, 'S'));
    // Two comment records: the third line reads as empty.
    TempFolder::write("pantnote.dat", QByteArray("One").leftJustified(60) + QByteArray("Two").leftJustified(60));
    PrintControls f = openPrint();
    EXPECT_TRUE(f.regular->isChecked() && f.alpha->isChecked() && f.noprice->isChecked()) << "defaults of blank flags";
    EXPECT_FALSE(f.fontsizetxt->font().bold());
    EXPECT_EQ(commands.printDialog()->focusWidget(), f.notetxt_2);

    f.catopt->click();
    EXPECT_TRUE(f.category->isChecked()) << "headers need the category order";
    f.sepopt->click();
    f.alpha->click();
    EXPECT_FALSE(f.catopt->isChecked() || f.sepopt->isChecked());
    f.bold->click();
    EXPECT_TRUE(f.fontsizetxt->font().bold());

    f.fontdowncmd->click();
    f.fontdowncmd->click();
    f.indent->click();
    f.indenttxt->setText("4");
    f.clearcmd->click();
    EXPECT_EQ(f.notetxt_0->text() + f.notetxt_1->text(), "");
    f.cancelcmd->click();
    const QByteArray saved = TempFolder::read("pantlpt.cfg");
    EXPECT_EQ(saved.left(11), "8  11    4 ");
    EXPECT_EQ(saved.mid(11), QByteArray(497, 'S')) << "spare kept as read";
    EXPECT_EQ(TempFolder::read("pantnote.dat"), QByteArray(180, ' '));
}

TEST_F(PrintWindowsTest, PrintingUsesTheListAsShownAndOffersTheNotes)
{
    TempFolder::write("pantnotes.dat", QByteArray("Buy stamps").leftJustified(3000));
    PrintControls f = openPrint();
    f.alpha->click();
    f.notetxt_0->setText("Bags");
    dialogs.answer(Answer::Yes, kNotesQuestion);
    f.printcmd->click();
    EXPECT_EQ(dialogs.last().title, ui::Title::none());
    ASSERT_EQ(printer.printed.size(), 1u);
    const QStringList lines = printer.lastText();
    EXPECT_TRUE(lines[2].contains("1   Bread (1.99)")) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].contains("2   Milk (2.49)"));
    EXPECT_TRUE(lines[5].endsWith("  6.97"));
    EXPECT_TRUE(lines.contains("NOTES:") && lines.contains("Buy stamps") && lines.contains("Bags"));
    EXPECT_TRUE(commands.printed());
    EXPECT_TRUE(commands.printDialog()->isHidden());
    EXPECT_EQ(closings, 1);
    EXPECT_TRUE(TempFolder::read("pantnote.dat").startsWith("Bags")) << "saved before printing";

    // After a printout the comment lines start empty; the printer's failures are told.
    PrintControls g = openPrint();
    EXPECT_EQ(g.notetxt_0->text(), "");
    printer.next.error = "jammed";
    dialogs.answer(Answer::No, kNotesQuestion).ok("Printer error");
    g.printcmd->click();
    EXPECT_FALSE(printer.printed.back().asText().join("\n").contains("NOTES:"));
    EXPECT_TRUE(commands.printDialog()->isHidden());
}

TEST_F(PrintWindowsTest, PreviewPrintsAndSavesNothing)
{
    PrintControls f = openPrint();
    bool shown = false;
    QTimer::singleShot(0, [&shown] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* preview = qobject_cast<QPrintPreviewDialog*>(w); preview && preview->isVisible()) {
                shown = true;
                preview->reject();
            }
        }
    });
    f.previewcmd->click();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_FALSE(commands.printed());
    EXPECT_FALSE(TempFolder::exists("pantlpt.cfg") || TempFolder::exists("pantnote.dat"));
    EXPECT_TRUE(commands.printDialog()->isVisible());
}

TEST_F(PrintWindowsTest, FailedSettingsWritesAreToldAndKeepTheDialogOpen)
{
    for (const QString& name : {QStringLiteral("pantnote.dat"), QStringLiteral("pantlpt.cfg")}) {
        ASSERT_TRUE(QDir().mkdir(name));
        PrintControls f = openPrint();
        dialogs.answer(Answer::Ok);
        f.cancelcmd->click();
        EXPECT_TRUE(dialogs.last().text.contains(name)) << dialogs.last().text.toStdString();
        EXPECT_EQ(dialogs.last().icon, ui::Icon::Critical);
        EXPECT_TRUE(commands.printDialog()->isVisible());
        f.exitcmd->click();
        ASSERT_TRUE(QDir().rmdir(name));
    }
}

TEST_F(PrintWindowsTest, ProductListPrintsTheFilteredRowsAfterAsking)
{
    const QString question = "Print the Product List?";
    dialogs.answer(Answer::No, question);
    commands.printProductList();
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_EQ(dialogs.last().title, ui::Title::own("Confirm"));
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Question);

    views.shown = {3, 1}; // the high-fat butter hidden by the diet filter
    printer.next.savedAs = "Printouts/Product List 2026-12-06 10.45.12.pdf";
    dialogs.answer(Answer::Yes, question)
        .answer(Answer::Yes,
                "No printer is installed. The printout was saved as " + printer.next.savedAs + ".\r\n\r\nOpen it now?");
    commands.printProductList();
    QStringList lines = printer.lastText();
    ASSERT_EQ(lines.size(), 8);
    EXPECT_TRUE(lines[6].startsWith("Bread") && lines[7].startsWith("Milk")) << "the high-fat butter is hidden";
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0],
              QUrl::fromLocalFile(QDir::current().absoluteFilePath("Printouts/Product List 2026-12-06 10.45.12.pdf")));

    state.CategoryFilter = "Dairy";
    views.shown = {1};
    dialogs.answer(Answer::Yes, "Print the Dairy list?");
    commands.printProductList();
    lines = printer.lastText();
    EXPECT_EQ(lines[4], "Category: Dairy");
    EXPECT_EQ(lines.size(), 7);
}

TEST_F(PrintWindowsTest, NotesAreSavedOnlyWhenAskedAndPrintedFromTheirWindow)
{
    TempFolder::write("pantnotes.dat", QByteArray("  Old\r\nnote").leftJustified(3000));
    NotesControls f = openNotes();
    EXPECT_EQ(commands.notesWindow()->windowModality(), Qt::WindowModal);
    EXPECT_EQ(f.Text1->toPlainText(), "Old\nnote");
    dialogs.ok(misc::pantnote::whatsThis());
    f.whatcmd->click();
    EXPECT_EQ(dialogs.last().title, ui::Title::none());

    f.Text1->setPlainText("Edited");
    f.cancelcmd->click();
    EXPECT_EQ(closings, 1);
    EXPECT_EQ(openNotes().Text1->toPlainText(), "Old\nnote") << "Close discards the edit";

    NotesControls g(commands.notesWindow());
    g.Text1->setPlainText("   ");
    g.printcmd->click();
    EXPECT_TRUE(printer.printed.empty()) << "an empty note prints nothing";
    g.Text1->setPlainText(" Stamps\nBulbs ");
    g.printcmd->click();
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(printer.printed[0].name(), "Shopping Notes");
    EXPECT_EQ(printer.lastText().mid(6), (QStringList{"Stamps", "Bulbs"}));
    EXPECT_TRUE(commands.notesWindow()->isVisible());
    EXPECT_TRUE(TempFolder::read("pantnotes.dat").startsWith("Stamps\r\nBulbs   "));

    // A note that cannot be saved is told and stays on screen.
    QFile::remove("pantnotes.dat");
    ASSERT_TRUE(QDir().mkdir("pantnotes.dat"));
    g.Text1->setPlainText("Unsaved");
    dialogs.answer(Answer::Ok);
    g.savecmd->click();
    EXPECT_TRUE(dialogs.last().text.contains("pantnotes.dat"));
    EXPECT_TRUE(commands.notesWindow()->isVisible());
    EXPECT_TRUE(QFileInfo("pantnotes.dat").isDir());
}

namespace {
qsizetype pagesIn(const QByteArray& pdf)
{
    return pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page ");
}
} // namespace

TEST(QtPrinter, WritesPdfPagesWhenToldTo)
{
    TempFolder folder;
    qputenv("PANTRIX_PRINTER", "pdf");
    ui::PrintDocument doc("Shopping List");
    doc.font("Times New Roman", 12).line("Page one").tab(30).text("column").endLine().newPage().line("Page two");
    ui::QtPrinter printer;
    const ui::PrintOutcome outcome = printer.print(doc);
    ASSERT_TRUE(outcome.ok()) << outcome.error.toStdString();
    EXPECT_TRUE(QRegularExpression(R"(^Printouts/Shopping List \d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d\.pdf$)")
                    .match(outcome.savedAs)
                    .hasMatch())
        << outcome.savedAs.toStdString();
    EXPECT_EQ(pagesIn(TempFolder::read(outcome.savedAs)), 2);

    // Lines that pass the bottom margin go on to a new page (two saves in one second do not
    // overwrite each other).
    ui::PrintDocument longer("Shopping List");
    for (int i = 0; i < 150; ++i)
        longer.line(QStringLiteral("Line %1").arg(i));
    const QString saved = printer.print(longer).savedAs;
    EXPECT_NE(saved, outcome.savedAs);
    EXPECT_GE(pagesIn(TempFolder::read(saved)), 3);

    // A printout that cannot be written is an error, and leaves no file.
    QDir("Printouts").removeRecursively();
    TempFolder::write("Printouts", "in the way");
    EXPECT_FALSE(printer.print(doc).ok());
    qunsetenv("PANTRIX_PRINTER");
}
