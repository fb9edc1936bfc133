#include "PrintJob.h"

#include "ui/BusyCursor.h"
#include "ui/Desktop.h"
#include "ui/Dialogs.h"
#include "ui/Printer.h"
#include "ui/ProgressWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <functional>
#include <memory>

namespace ui {

namespace {

qsizetype linesOf(const ui::PrintDocument& document)
{
    const auto& ops = document.ops();
    return std::count_if(ops.begin(), ops.end(),
                         [](const PrintDocument::Op& op) { return op.kind == PrintDocument::Op::Kind::EndLine; });
}

// Runs a print with the hour-glass, and for a long printout a progress window with Cancel.
// Pending events run at every page, so the windows keep painting.
ui::PrintOutcome printing(const ui::PrintDocument& document,
                          const std::function<ui::PrintOutcome(const ui::PrintProgress&)>& job)
{
    const ui::BusyCursor busy;
    std::unique_ptr<ProgressWindow> window;
    if (linesOf(document) >= kPrintProgressFrom) {
        QWidget* over =
            QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
        window = std::make_unique<ProgressWindow>(
            QCoreApplication::translate("ui::PrintJob", "Printing the %1...").arg(document.name()),
            ProgressWindow::Stop::Cancel, 0, over);
    }
    return job([&window](qsizetype done, qsizetype total) {
        if (window)
            return window->advance(done, total);
        // Nothing can be clicked meanwhile, but the windows are painted.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    });
}

} // namespace

PrintResult printDocument(ui::Printer& printer, ui::Dialogs& dialogs, ui::Desktop& desktop,
                          const ui::PrintDocument& document)
{
    ui::PrintOutcome outcome =
        printing(document, [&](const ui::PrintProgress& progress) { return printer.print(document, progress); });
    if (outcome.cancelled)
        return PrintResult::Cancelled;
    if (outcome.refused) {
        // Nothing came out of the printer; a PDF still gives the user the printout.
        const QString question =
            outcome.error + QCoreApplication::translate("ui::PrintJob", "\r\n\r\nSave the printout as a PDF instead?");
        if (dialogs.ask(question, ui::Title::application(), ui::Buttons::YesNo, ui::Icon::Exclamation) !=
            ui::Answer::Yes)
            return PrintResult::NotMade;
        outcome = printing(document,
                           [&](const ui::PrintProgress& progress) { return printer.printToPdf(document, progress); });
        if (outcome.cancelled)
            return PrintResult::Cancelled;
    }
    if (!outcome.ok()) {
        // The cause, when the print system gave one, is what lets the user put it right.
        QString text = QCoreApplication::translate("ui::PrintJob", "Printer error");
        if (!outcome.error.isEmpty())
            text += QStringLiteral("\r\n") + outcome.error;
        dialogs.tell(text, ui::Title::application(), ui::Icon::Exclamation);
        return PrintResult::NotMade;
    }
    if (!outcome.savedAs.isEmpty()) {
        const QString path = QFileInfo(outcome.savedAs).absoluteFilePath();
        QString text = QCoreApplication::translate("ui::PrintJob", "The printout was saved as ") + path +
                       QCoreApplication::translate("ui::PrintJob", ".\r\n\r\nOpen it now?");
        if (outcome.noPrinter)
            text.prepend(QCoreApplication::translate("ui::PrintJob", "No printer is installed. "));
        if (dialogs.ask(text, ui::Title::application(), ui::Buttons::YesNo, ui::Icon::Question) == ui::Answer::Yes &&
            !desktop.openUrl(QUrl::fromLocalFile(path)))
            dialogs.tell(QCoreApplication::translate(
                             "ui::PrintJob", "No program to open PDF files was found, so %1 could not be opened.")
                             .arg(path),
                         ui::Title::application(), ui::Icon::Exclamation);
    }
    return PrintResult::Made;
}

} // namespace ui
