#include "ui/PrintJob.h"
#include "support/FakeDialogs.h"
#include "support/FakePrinter.h"
#include "support/TempFolder.h"
#include "ui/QtPrinter.h"

#include <QDir>

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
    EXPECT_TRUE(print());
    EXPECT_EQ(desktop.opened, std::vector{QUrl::fromLocalFile(full)});

    printer.next = {{}, pdf};
    printer.next.noPrinter = true;
    dialogs.answer(Answer::No, "No printer is installed. " + saved);
    EXPECT_TRUE(print());

    // A printer that takes no jobs is told and the PDF offered; nothing counts as printed unless it is saved.
    ui::PrintOutcome refused{"The printer Office is not accepting jobs.", {}};
    refused.refused = true;
    const QString offer = refused.error + "\r\n\r\nSave the printout as a PDF instead?";
    printer.next = refused;
    dialogs.answer(Answer::No, offer);
    EXPECT_FALSE(print());
    printer.next = refused;
    printer.nextPdf.error = "The folder " + full + " for printouts could not be made.";
    dialogs.answer(Answer::Yes, offer).ok("Printer error\r\n" + printer.nextPdf.error);
    EXPECT_FALSE(print());
    printer.next = refused;
    printer.nextPdf.savedAs = pdf;
    dialogs.answer(Answer::Yes, offer).answer(Answer::No, saved);
    EXPECT_TRUE(print());
    EXPECT_EQ(printer.pdfs, 2);
    EXPECT_EQ(printer.printed.size(), 7u);
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
