#include "PrintJob.h"

#include "ui/BusyCursor.h"
#include "ui/Desktop.h"
#include "ui/Dialogs.h"
#include "ui/Printer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

#include <functional>

namespace ui {

namespace {

ui::PrintOutcome busyWhile(const std::function<ui::PrintOutcome()>& job)
{
    const ui::BusyCursor busy;
    return job();
}

} // namespace

bool printDocument(ui::Printer& printer, ui::Dialogs& dialogs, ui::Desktop& desktop, const ui::PrintDocument& document)
{
    ui::PrintOutcome outcome = busyWhile([&] { return printer.print(document); });
    if (outcome.refused) {
        // Nothing came out of the printer; a PDF still gives the user the printout.
        const QString question =
            outcome.error + QCoreApplication::translate("ui::PrintJob", "\r\n\r\nSave the printout as a PDF instead?");
        if (dialogs.ask(question, ui::Title::application(), ui::Buttons::YesNo, ui::Icon::Exclamation) !=
            ui::Answer::Yes)
            return false;
        outcome = busyWhile([&] { return printer.printToPdf(document); });
    }
    if (!outcome.ok()) {
        // The cause, when the print system gave one, is what lets the user put it right.
        QString text = QCoreApplication::translate("ui::PrintJob", "Printer error");
        if (!outcome.error.isEmpty())
            text += QStringLiteral("\r\n") + outcome.error;
        dialogs.tell(text, ui::Title::application(), ui::Icon::Exclamation);
        return false;
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
    return true;
}

} // namespace ui
