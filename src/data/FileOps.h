#pragma once

#include "FileResult.h"
#include "FixedField.h"

#include <QByteArray>
#include <QString>

// File-system helpers. Names are used as given: a bare name lives in the working folder.
// Only regular files (or links to them) are ever read or replaced; a name that leads to a
// device, a folder or a pipe is reported, never touched.
namespace data {

bool fileExists(const QString& name);
// Length in bytes; 0 for a missing file.
qint64 fileLength(const QString& name);
// Deletes the file; a file that is already gone counts as deleted.
FileResult deleteFile(const QString& name);
// Replaces the whole file with the given bytes atomically: the new content goes to a
// temporary file beside it (name.pantrix-XXXXXX), is written, flushed to disk and checked,
// and only then renamed over the old one, so an interruption or a full disk leaves either
// the old file or the new one, never a mixture. A link is followed and its target replaced.
// The file keeps its permissions; a read-only file is not replaced.
FileResult replaceFileSafely(const QString& name, const QByteArray& content);
// Replaces two files together, each as replaceFileSafely does: both new contents are on the
// disk before either file changes, and when the second cannot take its place the first is
// put back as it was. So the two change together or not at all (a crash in the moment
// between the two renames aside). One message names what failed.
FileResult replaceFilesTogether(const QString& first, const QByteArray& firstContent, const QString& second,
                                const QByteArray& secondContent);
// Byte-for-byte copy, replacing the destination atomically. A missing source copies as empty;
// one longer than `largest` is refused and nothing is written.
FileResult copyFile(const QString& from, const QString& to, qint64 largest = kLargestRecordFile);
// Whether both name regular files that hold the same bytes; false when either cannot be read.
bool sameContents(const QString& first, const QString& second);

struct FileBytes
{
    QByteArray bytes;
    FileResult result;
};
// Reads a whole file; a missing file reads as empty. A file longer than `largest` is refused
// unread, so that no file can make the program take more memory than its data can need.
FileBytes readFileBytes(const QString& name, qint64 largest = kLargestRecordFile);
// The refusal of a file longer than `largest`: "Reading <name> failed: the file is larger
// than it can be (<length> bytes; at most <largest>)".
FileResult tooLarge(const QString& name, qint64 length, qint64 largest);

// For output that a library writes to a file by name (the PDF engine): a fresh empty file
// beside the target that takes the output first, so that the target only ever holds a
// complete file. Empty name and the failure when it cannot be made.
struct Temporary
{
    QString name;
    FileResult result;
};
Temporary createTemporaryBeside(const QString& target);
// Puts a filled temporary in the target's place once it is on the disk; the target keeps
// what it held until then. A temporary that cannot be flushed or renamed is removed, and
// the failure named after the target.
FileResult moveTemporaryInPlace(const QString& temporary, const QString& target);

// Whether a file name is one of the temporary names replaceFileSafely writes to.
bool isSafeReplaceTemporary(const QString& fileName);
// Removes what replacements cut short by a crash left in the working folder: regular files
// with the temporary names above whose own file (the name before ".pantrix-") is one of the
// kinds the program keeps (.dat, .lst, .bak, .sav, .old, .cfg) and is there beside them, so
// a file of the user's that merely looks like one stays. Returns how many were removed.
int removeStaleTemporaries();

} // namespace data
