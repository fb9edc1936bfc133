#include "ui/PrintJob.h"
#include "support/FakeDialogs.h"
#include "support/FakePrinter.h"
#include "support/TempFolder.h"
#include "ui/QtPrinter.h"

#include <QApplication>
#include <QDir>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using ui::Answer;
using ui::QtPrinter;

TEST(PrintJob, EveryOutcomeIsToldAsItIsWithThePdfInFull)
{
    TempFolder folder;
    FakePrinter printer;
    FakeDialogs dialogs;
    FakeDesktop desktop;
    const ui::PrintDocument doc("Expense Log");
    const auto print = [&] { return ui::printDocument(printer, dialogs, desktop, doc); };
    const QString pdf = "Printouts/Expense Log 2026-12-07 06.45.00.pdf";
    const QString full = QDir::current().absoluteFilePath(pdf);
    const QString saved = "The printout was saved as " + full + ".\r\n\r\nOpen it now?";

    // A PDF asked for claims nothing about printers; with no program to show it, the user is told which file.
    printer.next.savedAs = pdf;
    desktop.works = false;
    dialogs.answer(Answer::Yes, saved)
        .ok("No program to open PDF files was found, so " + full + " could not be opened.");
    EXPECT_EQ(print(), ui::PrintResult::Made);
    EXPECT_EQ(desktop.opened, std::vector{QUrl::fromLocalFile(full)});

    printer.next = {{}, pdf};
    printer.next.noPrinter = true;
    dialogs.answer(Answer::No, "No printer is installed. " + saved);
    EXPECT_EQ(print(), ui::PrintResult::Made);

    // A printer that takes no jobs is told and the PDF offered; nothing counts as printed unless it is saved.
    ui::PrintOutcome refused{"The printer Office is not accepting jobs.", {}};
    refused.refused = true;
    const QString offer = refused.error + "\r\n\r\nSave the printout as a PDF instead?";
    printer.next = refused;
    dialogs.answer(Answer::No, offer);
    EXPECT_EQ(print(), ui::PrintResult::NotMade);
    printer.next = refused;
    printer.nextPdf.error = "The folder " + full + " for printouts could not be made.";
    dialogs.answer(Answer::Yes, offer).ok("Printer error\r\n" + printer.nextPdf.error);
    EXPECT_EQ(print(), ui::PrintResult::NotMade);
    printer.next = refused;
    printer.nextPdf.savedAs = pdf;
    dialogs.answer(Answer::Yes, offer).answer(Answer::No, saved);
    EXPECT_EQ(print(), ui::PrintResult::Made);
    EXPECT_EQ(printer.pdfs, 2);
    EXPECT_EQ(printer.printed.size(), 7u);
}

namespace {

QProgressDialog* progressWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* progress = qobject_cast<QProgressDialog*>(w); progress && progress->isVisible())
            return progress;
    return nullptr;
}

} // namespace

TEST(PrintJob, ALongPrintoutShowsItsProgressAndCancelStopsItWithoutAWord)
{
    TempFolder folder;
    FakePrinter printer;
    FakeDialogs dialogs;
    FakeDesktop desktop;
    ui::PrintDocument small("Expense Log");
    for (int i = 0; i < ui::kPrintProgressFrom - 1; ++i)
        small.line("entry");
    ui::PrintDocument big = small;
    big.line("one more");

    // A short printout shows the hour-glass only; its events still run.
    int pages = 0;
    printer.onPage = [&](int) {
        ++pages;
        EXPECT_EQ(progressWindow(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    };
    EXPECT_EQ(ui::printDocument(printer, dialogs, desktop, small), ui::PrintResult::Made);
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // A long one shows how far it is; its Cancel, clicked or by Esc, stops it, and nothing is told.
    for (const bool byKey : {false, true}) {
        printer.next.savedAs = "Printouts/Expense Log.pdf";
        std::vector<int> shown;
        printer.onPage = [&](int page) {
            QProgressDialog* progress = progressWindow();
            ASSERT_NE(progress, nullptr);
            shown.push_back(progress->value());
            if (page < 2)
                return;
            auto* cancel = progress->findChild<QPushButton*>();
            ASSERT_NE(cancel, nullptr);
            EXPECT_EQ(cancel->text(), "Cancel");
            if (byKey)
                QTest::keyClick(progress, Qt::Key_Escape);
            else
                QTest::mouseClick(cancel, Qt::LeftButton);
        };
        EXPECT_EQ(ui::printDocument(printer, dialogs, desktop, big), ui::PrintResult::Cancelled);
        EXPECT_EQ(shown, (std::vector{0, 33})) << byKey;
        EXPECT_EQ(progressWindow(), nullptr) << "closed with the printout";
        EXPECT_TRUE(dialogs.boxes().empty());
    }
}

TEST(PrintJob, WhatLpstatSaysOfAQueue)
{
    using A = QtPrinter::Acceptance;
    const std::tuple<int, QByteArray, A> answers[] = {
        {0, "Office accepting requests since Mon 07 Dec 2026\n", A::Accepting},
        {0, "Office not accepting requests since Mon 07 Dec 2026 -\n\tRejecting Jobs\n", A::NotAccepting},
        {0, "Office-2 not accepting requests since Mon 07 Dec 2026\n", A::Unknown}, // another queue's answer
        {1, "lpstat: Invalid destination name in list \"Office\".\n", A::Unknown},
    };
    for (const auto& [code, output, expected] : answers)
        EXPECT_EQ(QtPrinter::acceptanceFrom("Office", code, output), expected) << output.toStdString();
}
