#pragma once

namespace ui {
class Desktop;
class Dialogs;
class PrintDocument;
class Printer;
} // namespace ui

namespace ui {

// What became of a print command.
enum class PrintResult {
    Made,      // printed, or saved as a PDF
    NotMade,   // it failed or the user declined the PDF instead; the user has been told
    Cancelled, // the user stopped it in the progress window: nothing printed, no file left
};

// Sends a printout to the printer and tells the user what became of it: "Printer error"
// with the cause when it failed; a printer that would not take it, with the offer of a PDF
// instead; a PDF that was saved, by its full path, with the offer to open it. The hour-glass
// shows while it works; a printout of more than a few thousand lines shows its progress in a
// window with Cancel, over the active window. The windows keep painting meanwhile.
PrintResult printDocument(ui::Printer& printer, ui::Dialogs& dialogs, ui::Desktop& desktop,
                          const ui::PrintDocument& document);

// Lines from which a printout shows its progress.
inline constexpr int kPrintProgressFrom = 5000;

} // namespace ui
