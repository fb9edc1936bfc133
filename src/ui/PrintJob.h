#pragma once

namespace ui {
class Desktop;
class Dialogs;
class PrintDocument;
class Printer;
} // namespace ui

namespace ui {

// Sends a printout to the printer and tells the user what became of it: "Printer error"
// with the cause when it failed; a printer that would not take it, with the offer of a PDF
// instead; a PDF that was saved, by its full path, with the offer to open it. Returns
// whether the printout was made (printed or saved).
bool printDocument(ui::Printer& printer, ui::Dialogs& dialogs, ui::Desktop& desktop, const ui::PrintDocument& document);

} // namespace ui
