#pragma once

#include "LogRules.h"
#include "ui/PrintDocument.h"

#include <QDate>

namespace shoplog {

// Entries a printed page holds below its heading.
inline constexpr int kEntriesPerPage = 40;

// The printed expense log: every entry of the file in file order (whatever the window
// lists), one line each, at most 40 to a page under a repeated heading, and at the end the
// figures the window shows.
ui::PrintDocument logPrintout(const std::vector<data::LogRecord>& records, const QDate& today, const LogFigures& shown);

} // namespace shoplog
