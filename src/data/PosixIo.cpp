#include "PosixIo.h"

#include "FileFaults.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace data::io {

QString reason(int error)
{
    if (error == kNotRegularFile)
        return QCoreApplication::translate("data", "it is not a regular file");
    return QString::fromLocal8Bit(std::strerror(error));
}

FileResult failure(const QString& what, const QString& name, int error)
{
    return FileResult::failure(what, name, reason(error));
}

int kindOf(const QString& name)
{
    struct stat info;
    if (::stat(QFile::encodeName(name).constData(), &info) != 0)
        return errno;
    return S_ISREG(info.st_mode) ? 0 : kNotRegularFile;
}

int openRegular(const QString& name, int flags, int& fd)
{
    if (const int fault = FileFaults::errorFor(FileStep::Open, name))
        return fault;
    // Checked before opening, as opening some devices already does something.
    const int kind = kindOf(name);
    if (kind != 0 && kind != ENOENT)
        return kind;
    do
        fd = ::open(QFile::encodeName(name).constData(), flags | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    // The name may have been pointed elsewhere in between.
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        closeQuietly(fd);
        fd = -1;
        return kNotRegularFile;
    }
    return 0;
}

int writeAt(int fd, const char* data, qint64 size, qint64 offset, const QString& name)
{
    if (const int fault = FileFaults::errorFor(FileStep::Write, name)) {
        // A full disk usually takes part of a write before refusing the rest.
        if (size / 2 > 0 && ::pwrite(fd, data, size_t(size / 2), offset) < 0)
            return errno;
        return fault;
    }
    while (size > 0) {
        const ssize_t written = ::pwrite(fd, data, size_t(size), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        data += written;
        size -= written;
        offset += written;
    }
    return 0;
}

namespace {

// Copies from the start in whole blocks written past the page cache (O_DIRECT). Beside the
// kernel's own copy it takes half the processor time and leaves no megabytes of dirty pages
// for the flush to push out, which a start backing up a large product file felt in the
// work it does meanwhile. Returns 0 or an error number; done is how many bytes were copied.
// Where the file system takes no direct writes nothing is copied, and no error returned.
int copyDirect(int from, int to, qint64 size, qint64& done)
{
    constexpr qint64 kPiece = 1 << 20;
    constexpr qint64 kBlock = 4096;
    done = 0;
    const int flags = ::fcntl(to, F_GETFL);
    if (flags < 0 || ::fcntl(to, F_SETFL, flags | O_DIRECT) != 0)
        return 0;
    const std::unique_ptr<char, decltype(&std::free)> buffer(static_cast<char*>(std::aligned_alloc(kBlock, kPiece)),
                                                             &std::free);
    int error = buffer ? 0 : ENOMEM;
    while (error == 0 && done < size) {
        qint64 got = 0;
        error = readAt(from, buffer.get(), qMin(kPiece, size - done), done, got);
        if (error != 0 || got == 0)
            break; // a source that got shorter meanwhile: what there was is copied
        // The last piece goes out padded to whole blocks and the file is cut back after.
        const qint64 padded = (got + kBlock - 1) / kBlock * kBlock;
        std::memset(buffer.get() + got, 0, size_t(padded - got));
        ssize_t written = -1;
        do
            written = ::pwrite(to, buffer.get(), size_t(padded), done);
        while (written < 0 && errno == EINTR);
        if (written != padded) {
            // Refused outright: the caller copies the usual way. A short write is a full disk.
            error = written >= 0 ? ENOSPC : (done == 0 && errno == EINVAL) ? 0 : errno;
            break;
        }
        done += got;
        if (padded != got && ::ftruncate(to, done) != 0)
            error = errno;
    }
    ::fcntl(to, F_SETFL, flags);
    return error;
}

} // namespace

int copyAll(int from, int to, qint64 size, const QString& name)
{
    // With faults armed the bytes go through writeAt, where the seam can fail them.
    const bool throughMemory = FileFaults::anyArmed();
    if (!throughMemory && size >= kDirectCopyFrom) {
        qint64 done = 0;
        if (const int error = copyDirect(from, to, size, done); error != 0 || done > 0)
            return error;
    }
    loff_t in = 0;
    loff_t out = 0;
    while (in < size && !throughMemory) {
        const ssize_t copied = ::copy_file_range(from, &in, to, &out, size_t(size - in), 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied < 0 && in == 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP))
            break; // not between these files: copied through memory below
        if (copied < 0)
            return errno;
        if (copied == 0)
            return 0; // the file got shorter meanwhile: what there was is copied
    }
    if (in >= size)
        return 0;
    QByteArray piece(qMin<qint64>(size, 1 << 20), Qt::Uninitialized);
    for (qint64 offset = 0; offset < size;) {
        qint64 got = 0;
        if (const int error = readAt(from, piece.data(), qMin<qint64>(piece.size(), size - offset), offset, got))
            return error;
        if (got == 0)
            return 0;
        if (const int error = writeAt(to, piece.constData(), got, offset, name))
            return error;
        offset += got;
    }
    return 0;
}

int syncToDisk(int fd, const QString& name)
{
    if (const int fault = FileFaults::errorFor(FileStep::Flush, name))
        return fault;
    return ::fsync(fd) == 0 ? 0 : errno;
}

int readAt(int fd, char* out, qint64 size, qint64 offset, qint64& got)
{
    got = 0;
    while (got < size) {
        const ssize_t read = ::pread(fd, out + got, size_t(size - got), offset + got);
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return errno;
        if (read == 0)
            break;
        got += read;
    }
    return 0;
}

qint64 lengthOf(int fd)
{
    struct stat info;
    if (fd < 0 || ::fstat(fd, &info) != 0)
        return -1;
    return info.st_size;
}

void closeQuietly(int fd)
{
    if (fd >= 0)
        ::close(fd);
}

} // namespace data::io
