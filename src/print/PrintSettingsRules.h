#pragma once

#include "data/FileResult.h"
#include "data/Records.h"

#include <QString>
#include <QStringList>

namespace print {

inline const QString kSettingsFile = QStringLiteral("pantlpt.cfg");
inline const QString kCommentFile = QStringLiteral("pantnote.dat");

// The print dialog's choices as its controls hold them.
struct PrintChoices
{
    QString fontSize = QStringLiteral("12");
    bool bold = false;       // otherwise regular
    bool byCategory = false; // otherwise alphabetically (in the Shopping List's order)
    bool price = false;      // otherwise no prices
    bool separators = false;
    bool headers = false;
    bool indent = false;
    QString indentText;

    bool operator==(const PrintChoices&) const = default;
};

// Record 1 of the settings file. A missing file gives a record of zero bytes, whose flags
// all count as on; a shorter one gives what it holds, the rest zero bytes. A file that
// cannot be read, or is longer than the record, reads as missing, with the failure in
// `failure`.
data::PrintSettingsRecord readSettingsRecord(data::FileResult* failure = nullptr);
// What the dialog shows for a record: a flag is on unless it is blank; of a pair both on,
// bold and by-category win; a pair with neither side on takes regular, alphabetical, no
// prices. The font size is brought to an allowed size and the indent to one that leaves a
// usable line (a corrupt file can so always be put right in the dialog); zero bytes, and
// bytes that are no such value, show as a first run shows them: size 12, no indent. The
// indent box is checked exactly when its number is above 0.
PrintChoices choicesFromRecord(const data::PrintSettingsRecord& record);
// The record to save: the choices written over base, whose spare is kept byte for byte.
// Separators and headers are only stored with the by-category order; the indent only
// when it is checked.
data::PrintSettingsRecord recordFromChoices(const PrintChoices& choices, data::PrintSettingsRecord base);
// Replaces the settings file with the record, in one safe write. A file that cannot be read
// (or is longer than the record) is refused and left as it is.
data::FileResult writeSettingsRecord(const data::PrintSettingsRecord& record);

// The three comment lines of the printout, trimmed; a missing line reads as empty, a line
// cut short reads as far as it goes. A file that cannot be read, or is longer than three
// lines, gives empty lines and the failure in `failure`.
QStringList readCommentLines(data::FileResult* failure = nullptr);
// Writes the three lines (trimmed) as records 1 to 3, refused as the settings are.
data::FileResult writeCommentLines(const QStringList& lines);

// The font size buttons' steps through 8, 10, 12, 14, 18 and round again; any other
// text stays as it is.
QString nextFontSize(const QString& size);
QString previousFontSize(const QString& size);

// The number of blanks that begin each printed line: the indent rounded, 0 when it is not
// checked or not a positive number.
int indentCount(const PrintChoices& choices);

// The size a stored size text stands for: a number from 8 to 18 goes to the nearest of 8,
// 10, 12, 14, 18 (halfway to the larger); anything else (never written by the dialog) is 12.
QString allowedFontSize(const QString& text);
// The largest indent that leaves 40 characters of line at that size on A4 paper, the
// narrower of the common papers, at most 99 (what the box holds).
int largestIndent(double points);

// A field's text as a box shows it: trimmed, and empty when it was never written.
QString shownText(const QString& field);

} // namespace print
