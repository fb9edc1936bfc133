#pragma once

#include "PrintDocument.h"

#include <QString>

namespace ui {

// What became of a printout.
struct PrintOutcome
{
    // Empty when it printed; otherwise why it could not (the printer would not start, a
    // file could not be written).
    QString error;
    // Set when no printer is installed and the printout was saved as a PDF instead: the
    // file's path relative to the working folder ("Printouts/Shopping List 2026-12-06
    // 10.45.12.pdf").
    QString savedAs;

    bool ok() const { return error.isEmpty(); }
};

// The printer service: prints whole documents on the default printer without a dialog.
class Printer
{
public:
    virtual ~Printer() = default;
    virtual PrintOutcome print(const PrintDocument& document) = 0;
};

} // namespace ui
