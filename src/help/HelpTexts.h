#pragma once

#include "ui/PrintDocument.h"

#include <QStringList>

namespace help {

// The topics the small help window can show.
enum class HelpSection { MergeFiles = 2, CustomLists = 3 };

// The rows of a topic's help text, in order; empty rows are empty strings.
QStringList helpRows(HelpSection section);

// The point size the help list is set to for a topic, or 0 when the list keeps its own.
double helpFontSize(HelpSection section);

// The printout of a help text: three empty lines, then one line per row (empty rows
// included), in the printer's current font.
ui::PrintDocument helpPrintout(const QStringList& rows);

} // namespace help
