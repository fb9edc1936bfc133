#include "LogPrinting.h"

namespace shoplog {

void sendToPrinter(ui::Printer& printer, ui::Dialogs& dialogs, const ui::PrintDocument& document)
{
    const ui::PrintOutcome outcome = printer.print(document);
    if (!outcome.ok())
        dialogs.tell(QStringLiteral("Printer error") + QStringLiteral("\r\n") + outcome.error, ui::Title::application(),
                     ui::Icon::Exclamation);
    else if (!outcome.savedAs.isEmpty())
        dialogs.tell(QStringLiteral("No printer is installed. The printout was saved as ") + outcome.savedAs);
}

} // namespace shoplog
