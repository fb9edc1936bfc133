#pragma once

#include "ui/PrintDocument.h"

namespace ui {
class Desktop;
class Dialogs;
class Printer;
} // namespace ui

namespace misc {

// Prints a document on the default printer; tells the user when it could not, or when it
// was saved as a file because no printer is installed.
void printOut(ui::Printer& printer, ui::Dialogs& dialogs, ui::Desktop& desktop, const ui::PrintDocument& document);

} // namespace misc
