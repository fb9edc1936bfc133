#pragma once

#include "LogRules.h"

namespace shoplog {

// What the Expense Log and its entry editor share while the log window exists.
struct LogViewerState
{
    LogFile file;            // pantlog.dat, open while the window is
    int current = 0;         // record number of the line last clicked, 0 for none
    Restriction restriction; // which entries are listed
    bool editRequested = false;
    bool refreshNeeded = false; // set by the editor after a save or a delete
};

} // namespace shoplog
