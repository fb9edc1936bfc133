#include "RecordFile.h"

#include "FileOps.h"
#include "PosixIo.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace data {

RecordFileBase::RecordFileBase(int recordLength, qint64 largestFile)
    : length_(recordLength)
    , largest_(largestFile)
{
}

RecordFileBase::~RecordFileBase()
{
    close();
}

FileResult RecordFileBase::open(const QString& name)
{
    close();
    name_ = name;
    openError_ = FileResult::success();
    int error = io::openRegular(name, O_RDWR | O_CREAT, fd_);
    writable_ = error == 0;
    // A read-only file is still shown; only writes to it fail.
    if (error == EACCES || error == EROFS || error == EPERM) {
        if (io::openRegular(name, O_RDONLY, fd_) != 0)
            fd_ = -1;
    }
    if (error != 0)
        openError_ = io::failure(QStringLiteral("Opening"), name, error);
    // Nothing of a file far larger than its records can be is read or written: it is
    // damaged or not the program's own, and reading it would take the memory of its size.
    if (const qint64 length = io::lengthOf(fd_); length > largest_) {
        close();
        openError_ = tooLarge(name, length, largest_);
    }
    return openError_;
}

void RecordFileBase::close()
{
    io::closeQuietly(fd_);
    fd_ = -1;
    writable_ = false;
}

int RecordFileBase::count() const
{
    const qint64 length = io::lengthOf(fd_);
    return length > 0 ? int(length / length_) : 0;
}

bool RecordFileBase::isReplaced() const
{
    struct stat open;
    if (fd_ < 0 || ::fstat(fd_, &open) != 0)
        return false;
    struct stat named;
    if (::stat(QFile::encodeName(name_).constData(), &named) != 0)
        return true;
    return open.st_ino != named.st_ino || open.st_dev != named.st_dev;
}

FileResult RecordFileBase::readBytes(int n, char* out) const
{
    std::memset(out, 0, size_t(length_));
    if (n < 1 || n > count())
        return FileResult::success();
    qint64 got = 0;
    const int error = io::readAt(fd_, out, length_, qint64(n - 1) * length_, got);
    if (error != 0 || got != length_)
        return io::failure(QStringLiteral("Reading"), name_, error != 0 ? error : EIO);
    return FileResult::success();
}

FileResult RecordFileBase::writable() const
{
    if (writable_)
        return FileResult::success();
    if (!openError_.ok())
        return {openError_.error};
    return FileResult::failure(QStringLiteral("Writing"), name_,
                               isOpen() ? QCoreApplication::translate("data", "the file is read-only")
                                        : QCoreApplication::translate("data", "it is not open"));
}

FileResult RecordFileBase::writeAt(qint64 offset, const char* data, qint64 size)
{
    // The bytes the write covers (a record edited in place, or a partial record left at the
    // end by another program that an append overwrites) are kept, so that a failed write
    // can put the file back as it was.
    const qint64 length = io::lengthOf(fd_);
    QByteArray covered(qBound<qint64>(0, length - offset, size), Qt::Uninitialized);
    qint64 got = 0;
    if (!covered.isEmpty())
        io::readAt(fd_, covered.data(), covered.size(), offset, got);
    const int error = io::writeAt(fd_, data, size, offset, name_);
    if (error == 0)
        return FileResult::success();
    if (offset + size > length)
        (void)::ftruncate(fd_, length);
    if (got > 0) // at most one record: a single write puts it back
        (void)::pwrite(fd_, covered.constData(), size_t(got), offset);
    return io::failure(QStringLiteral("Writing"), name_, error);
}

FileResult RecordFileBase::writeBytes(int n, const char* data)
{
    if (const FileResult ready = writable(); !ready)
        return ready;
    if (n < 1 || n > count() + 1)
        return FileResult::failure(QStringLiteral("Writing"), name_,
                                   QCoreApplication::translate("data", "no such record"));
    // An append lands directly after the last whole record, so a partial tail left by
    // another program is overwritten rather than shifting every later record.
    return writeAt(qint64(n - 1) * length_, data, length_);
}

FileResult RecordFileBase::appendBytes(const QByteArray& records)
{
    if (const FileResult ready = writable(); !ready)
        return ready;
    return writeAt(qint64(count()) * length_, records.constData(), records.size());
}

QByteArray RecordFileBase::readAllBytes() const
{
    const qint64 whole = qint64(count()) * length_;
    if (whole == 0)
        return {};
    QByteArray bytes(whole, Qt::Uninitialized);
    qint64 got = 0;
    if (io::readAt(fd_, bytes.data(), whole, 0, got) != 0)
        return {};
    bytes.truncate(got - got % length_);
    return bytes;
}

bool RecordFileBase::readInPieces(int records, const std::function<void(const char*, qsizetype)>& take) const
{
    const qint64 whole = qint64(count()) * length_;
    std::vector<char> piece(size_t(std::max(records, 1)) * size_t(length_));
    for (qint64 offset = 0; offset < whole;) {
        qint64 got = 0;
        const int failed =
            io::readAt(fd_, piece.data(), std::min<qint64>(qint64(piece.size()), whole - offset), offset, got);
        got -= got % length_;
        if (got > 0)
            take(piece.data(), qsizetype(got));
        if (failed != 0 || got == 0)
            return false;
        offset += got;
    }
    return true;
}

FileResult RecordFileBase::replaceAllBytes(const QByteArray& content)
{
    if (!isOpen())
        return writable();
    const QString name = name_;
    close();
    const FileResult written = replaceFileSafely(name, content);
    const FileResult reopened = open(name);
    return written ? reopened : written;
}

FileResult RecordFileBase::replaceTogether(RecordFileBase& first, const QByteArray& firstContent,
                                           RecordFileBase& second, const QByteArray& secondContent)
{
    const QString firstName = first.name_;
    const QString secondName = second.name_;
    first.close();
    second.close();
    const FileResult written = replaceFilesTogether(firstName, firstContent, secondName, secondContent);
    FileResult reopened = first.open(firstName);
    if (const FileResult again = second.open(secondName); reopened && !again)
        reopened = again;
    return written ? reopened : written;
}

} // namespace data
