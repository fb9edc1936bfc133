#include "PrintJob.h"

#include "ui/BusyCursor.h"
#include "ui/Desktop.h"
#include "ui/Dialogs.h"
#include "ui/Printer.h"

#include <QFileInfo>
#include <QUrl>

namespace ui {

bool printDocument(ui::Printer& printer, ui::Dialogs& dialogs, ui::Desktop& desktop, const ui::PrintDocument& document)
{
    ui::PrintOutcome outcome;
    {
        const ui::BusyCursor busy;
        outcome = printer.print(document);
    }
    if (!outcome.ok()) {
        // The cause, when the print system gave one, is what lets the user put it right.
        QString text = QStringLiteral("Printer error");
        if (!outcome.error.isEmpty())
            text += QStringLiteral("\r\n") + outcome.error;
        dialogs.tell(text, ui::Title::application(), ui::Icon::Exclamation);
        return false;
    }
    if (!outcome.savedAs.isEmpty()) {
        const QString text = QStringLiteral("No printer is installed. The printout was saved as ") + outcome.savedAs +
                             QStringLiteral(".\r\n\r\nOpen it now?");
        if (dialogs.ask(text, ui::Title::application(), ui::Buttons::YesNo, ui::Icon::Question) == ui::Answer::Yes)
            desktop.openUrl(QUrl::fromLocalFile(QFileInfo(outcome.savedAs).absoluteFilePath()));
    }
    return true;
}

} // namespace ui
