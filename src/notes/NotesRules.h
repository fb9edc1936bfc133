#pragma once

#include "data/FileResult.h"
#include "data/Records.h"
#include "ui/PrintDocument.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace notes {

inline const QString kNotesFile = QStringLiteral("pantnotes.dat");

// The note as the editor shows it: record 1 trimmed, line breaks as "\n". A missing file,
// a record of blanks or one never written give an empty note; a file shorter than the
// record gives what it holds. A file that cannot be read (a folder or pipe in its place,
// no permission, longer than the record) gives an empty note, and the failure in `failure`.
QString readNotes(data::FileResult* failure = nullptr);
// Whether the note holds text worth offering for a printout: trimmed, it begins with a
// printable character (not a control character or a zero byte).
bool hasPrintableNotes(const QString& notes);

// The record a note is saved as: trimmed, line breaks as CR LF, cut to 3000 bytes of the
// code page (never between the CR and LF of a line break), padded with blanks.
data::NotesRecord notesRecord(const QString& text);
// The bytes of the record the note takes: trimmed, a line break as CR LF (two bytes), any
// other character one byte, also one the code page lacks.
qsizetype storedNoteBytes(const QString& text);
// Saves the note as the file's one record, in one safe write. Refused, with nothing
// written, when the file on disk cannot be read (what it holds was never shown, and would
// be lost) or when the note takes more than the record holds.
data::FileResult writeNotes(const QString& text);

// An edit of the note box that left the note larger than its record. What the edit put in
// (the text between the parts `before` and `after` share at their start and end) is kept
// from its start for as long as the note fits; the rest is left out.
struct FittedEdit
{
    qsizetype insertedAt = 0; // where the edit's new text begins in `after`
    qsizetype kept = 0;       // how many characters of it are kept
    QString leftOut;          // the characters of it that are not
};
FittedEdit fitEdit(const QString& before, const QString& after);
// What the notes box says when part of an insertion did not fit.
QString leftOutMessage(const QString& leftOut);
// The count beside the notes box: "<n> of 3000 bytes used".
QString usedBytesText(const QString& text);

// The note broken into lines as a box `columns` characters wide shows it: at its line
// breaks, and between words where a line would be too long; a word longer than a line is
// broken inside. Each line is at most 255 characters.
QStringList wrapNoteText(const QString& text, int columns);

// The note printed on its own: a title, the date in the system's short form, the note's
// lines (long ones broken between words to fit the page).
ui::PrintDocument buildNotesPrintout(const QString& notes, const QDate& date);

} // namespace notes
