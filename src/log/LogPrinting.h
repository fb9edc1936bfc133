#pragma once

#include "ui/Dialogs.h"
#include "ui/Printer.h"

namespace shoplog {

// Prints a document on the default printer and tells the user what became of it when it
// did not simply print (an error, or the file it was saved to instead).
void sendToPrinter(ui::Printer& printer, ui::Dialogs& dialogs, const ui::PrintDocument& document);

} // namespace shoplog
