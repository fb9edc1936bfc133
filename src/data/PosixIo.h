#pragma once

#include "FileResult.h"

#include <QString>

// The system calls under the file layer, each consulting the fault seam, each reporting
// failure as an error number so that the user is told the real cause.
namespace data::io {

// Stands for "the name leads to a device, folder, pipe or other file that is not a regular file".
constexpr int kNotRegularFile = -1;

QString reason(int error);
FileResult failure(const QString& what, const QString& name, int error);

// What a name leads to once links are followed: 0 for a regular file, ENOENT when there is
// nothing there, kNotRegularFile or another error number otherwise.
int kindOf(const QString& name);

// Opens a regular file (following links) with the given open(2) flags; anything else is
// refused before it is opened. Returns 0 and sets fd, or an error number.
int openRegular(const QString& name, int flags, int& fd);
// Writes all the bytes at the offset; 0 or an error number. name is only for the seam.
int writeAt(int fd, const char* data, qint64 size, qint64 offset, const QString& name);
// Copies size bytes from the start of one file to the start of another: from kDirectCopyFrom
// bytes on past the page cache where the file system allows, else inside the kernel where
// it can; 0 or an error number. name (of the file written) is only for the seam.
int copyAll(int from, int to, qint64 size, const QString& name);
inline constexpr qint64 kDirectCopyFrom = 1 << 20;
// Pushes the file's content to the disk (fsync); 0 or an error number. name is only for
// the seam, which fails it as a full disk shows on the final flush.
int syncToDisk(int fd, const QString& name);
// Reads up to size bytes at the offset; 0 or an error number. got is how many arrived.
int readAt(int fd, char* out, qint64 size, qint64 offset, qint64& got);
// The file's length, or -1.
qint64 lengthOf(int fd);
void closeQuietly(int fd);

} // namespace data::io
