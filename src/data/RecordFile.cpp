#include "RecordFile.h"

#include "FileOps.h"

#include <cstring>

namespace data {

RecordFileBase::RecordFileBase(int recordLength)
    : length_(recordLength)
{
}

FileResult RecordFileBase::open(const QString& name)
{
    close();
    name_ = name;
    file_.setFileName(name);
    // Unbuffered, so that each write is in the file when the call returns.
    if (file_.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return FileResult::success();
    const FileResult failed = FileResult::failure(QStringLiteral("Opening"), name, file_.errorString());
    if (file_.exists())
        file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    return failed;
}

void RecordFileBase::close()
{
    if (file_.isOpen())
        file_.close();
}

int RecordFileBase::count() const
{
    if (!file_.isOpen())
        return 0;
    return int(file_.size() / length_);
}

FileResult RecordFileBase::readBytes(int n, char* out) const
{
    std::memset(out, 0, length_);
    if (n < 1 || n > count())
        return FileResult::success();
    if (!file_.seek(qint64(n - 1) * length_) || file_.read(out, length_) != length_)
        return FileResult::failure(QStringLiteral("Reading"), name_, file_.errorString());
    return FileResult::success();
}

FileResult RecordFileBase::writable() const
{
    if (file_.isOpen() && file_.isWritable())
        return FileResult::success();
    return FileResult::failure(QStringLiteral("Writing"), name_,
                               file_.isOpen() ? QStringLiteral("the file is read-only") : file_.errorString());
}

FileResult RecordFileBase::writeBytes(int n, const char* data)
{
    if (const FileResult ready = writable(); !ready)
        return ready;
    if (n < 1 || n > count() + 1)
        return FileResult::failure(QStringLiteral("Writing"), name_, QStringLiteral("no such record"));
    // An append lands directly after the last whole record, so a partial tail left by
    // another program is overwritten rather than shifting every later record.
    if (!file_.seek(qint64(n - 1) * length_) || file_.write(data, length_) != length_) {
        const QString reason = file_.errorString();
        if (n > count())
            file_.resize(qint64(n - 1) * length_); // do not leave half a record behind
        return FileResult::failure(QStringLiteral("Writing"), name_, reason);
    }
    return FileResult::success();
}

FileResult RecordFileBase::appendBytes(const QByteArray& records)
{
    if (const FileResult ready = writable(); !ready)
        return ready;
    const qint64 end = qint64(count()) * length_;
    if (!file_.seek(end) || file_.write(records) != records.size()) {
        const QString reason = file_.errorString();
        file_.resize(end); // no partial records are left behind
        return FileResult::failure(QStringLiteral("Writing"), name_, reason);
    }
    return FileResult::success();
}

QByteArray RecordFileBase::readAllBytes() const
{
    const qint64 whole = qint64(count()) * length_;
    if (whole == 0 || !file_.seek(0))
        return {};
    return file_.read(whole);
}

FileResult RecordFileBase::replaceAllBytes(const QByteArray& content)
{
    const QString name = name_;
    close();
    const FileResult written = replaceFileSafely(name, content);
    const FileResult reopened = open(name);
    return written ? reopened : written;
}

} // namespace data
