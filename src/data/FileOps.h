#pragma once

#include "FileResult.h"

#include <QByteArray>
#include <QString>

// File-system helpers. Names are used as given: a bare name lives in the working folder.
namespace data {

bool fileExists(const QString& name);
// Length in bytes; 0 for a missing file.
qint64 fileLength(const QString& name);
// Deletes the file; a file that is already gone counts as deleted.
FileResult deleteFile(const QString& name);
// Replaces the whole file with the given bytes atomically: the new content goes to a
// temporary file in the same folder, is flushed to disk and renamed over the old one,
// so an interruption leaves either the old file or the new one, never a mixture.
FileResult replaceFileSafely(const QString& name, const QByteArray& content);
// Byte-for-byte copy, replacing the destination atomically.
FileResult copyFile(const QString& from, const QString& to);
// Reads a whole file; a missing file reads as empty.
QByteArray readFileBytes(const QString& name, QString* error = nullptr);
// Marks a backup as changed since the last backup run. Linux file systems have no archive
// bit, so this records nothing; it is kept so every backup goes through one place.
void setArchiveAttribute(const QString& name);

} // namespace data
