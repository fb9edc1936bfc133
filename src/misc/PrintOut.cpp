#include "PrintOut.h"

#include "ui/Desktop.h"
#include "ui/Dialogs.h"
#include "ui/Printer.h"

namespace misc {

void printOut(ui::Printer& printer, ui::Dialogs& dialogs, ui::Desktop& desktop, const ui::PrintDocument& document)
{
    Q_UNUSED(desktop); // kept so that a saved printout can be opened for the user
    const ui::PrintOutcome outcome = printer.print(document);
    if (!outcome.ok())
        dialogs.tell(outcome.error, ui::Title::application(), ui::Icon::Exclamation);
    else if (!outcome.savedAs.isEmpty())
        dialogs.tell(QStringLiteral("No printer is installed. The printout was saved as %1.").arg(outcome.savedAs),
                     ui::Title::application(), ui::Icon::Information);
}

} // namespace misc
