#pragma once

namespace ui {
class Desktop;
class Dialogs;
class PrintDocument;
class Printer;
} // namespace ui

namespace ui {

// Sends a printout to the printer and tells the user what became of it: "Printer error"
// when it failed; when it was saved as a PDF because no printer is installed, where it is,
// with the offer to open it. Returns whether the printout was made.
bool printDocument(ui::Printer& printer, ui::Dialogs& dialogs, ui::Desktop& desktop, const ui::PrintDocument& document);

} // namespace ui
