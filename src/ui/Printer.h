#pragma once

#include "PrintDocument.h"

#include <QString>

#include <functional>

namespace ui {

// What became of a printout.
struct PrintOutcome
{
    // Empty when it printed; otherwise why it could not (the printer would not start, a
    // file could not be written).
    QString error;
    // Set when the printout was saved as a PDF instead of printed: the file's path relative
    // to the working folder ("Printouts/Shopping List 2026-12-06 10.45.12.pdf").
    QString savedAs;
    // The PDF was made because no printer is installed (not because it was asked for).
    bool noPrinter = false;
    // The printer would not take the printout (error says which and why); nothing was
    // printed, and a PDF may be made instead.
    bool refused = false;
    // The user stopped it: nothing was printed or saved, and there is nothing to tell.
    bool cancelled = false;

    bool ok() const { return error.isEmpty(); }
};

// Told after every page how far a printout has come (done of total, in the document's
// steps); answers false to stop it.
using PrintProgress = std::function<bool(qsizetype done, qsizetype total)>;

// The printer service: prints whole documents on the default printer without a dialog.
// Stopped through the progress, it prints nothing and leaves no file: the outcome is
// cancelled.
class Printer
{
public:
    virtual ~Printer() = default;
    virtual PrintOutcome print(const PrintDocument& document, const PrintProgress& progress = {}) = 0;
    // Saves the printout as a PDF in Printouts/ whatever printer there is.
    virtual PrintOutcome printToPdf(const PrintDocument& document, const PrintProgress& progress = {}) = 0;
};

} // namespace ui
