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
// a record of blanks or one never written give an empty note.
QString readNotes();
// Whether the note holds text worth offering for a printout: trimmed, it begins with a
// printable character (not a control character or a zero byte).
bool hasPrintableNotes(const QString& notes);

// The record a note is saved as: trimmed, line breaks as CR LF, cut to 3000 bytes of the
// code page (never between the CR and LF of a line break), padded with blanks.
data::NotesRecord notesRecord(const QString& text);
// Saves the note as the file's one record, in one safe write.
data::FileResult writeNotes(const QString& text);

// The note broken into lines as a box `columns` characters wide shows it: at its line
// breaks, and between words where a line would be too long; a word longer than a line is
// broken inside. Each line is at most 255 characters.
QStringList wrapNoteText(const QString& text, int columns);

// The note printed on its own: a title, the date in the system's short form, the note's
// lines (long ones broken between words to fit the page).
ui::PrintDocument buildNotesPrintout(const QString& notes, const QDate& date);

} // namespace notes
