#pragma once

#include "FileResult.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstring>
#include <functional>
#include <type_traits>
#include <vector>

namespace data {

// Splits raw file content into records; a partial tail is dropped.
template<class T> std::vector<T> recordsFromBytes(const QByteArray& bytes)
{
    static_assert(sizeof(T) == T::Length && std::is_trivially_copyable_v<T>, "a record is its bytes");
    std::vector<T> records(size_t(bytes.size() / T::Length));
    // One copy of a length the optimiser cannot pin down: copying record by record made g++
    // warn about reading past the shared buffer of an empty QByteArray, which is never done.
    if (const size_t whole = records.size() * sizeof(T); whole > 0)
        std::memcpy(static_cast<void*>(records.data()), bytes.constData(), whole);
    return records;
}

// The same for the small files of a fixed number of records that other programs may have
// cut short (an editor strips the trailing blanks of a note): a partial record at the end
// is kept, its missing bytes read as zero bytes, as those of a record beyond the end do.
template<class T> std::vector<T> recordsWithPartialTail(const QByteArray& bytes)
{
    std::vector<T> records = recordsFromBytes<T>(bytes);
    if (const qsizetype whole = qsizetype(records.size()) * T::Length; whole < bytes.size()) {
        records.emplace_back();
        std::memcpy(records.back().bytes.data(), bytes.constData() + whole, size_t(bytes.size() - whole));
    }
    return records;
}

template<class T> QByteArray bytesFromRecords(const std::vector<T>& records)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(records.size()) * T::Length);
    for (const T& r : records)
        bytes.append(r.bytes.data(), T::Length);
    return bytes;
}

// A file of fixed-length records, addressed by record number from 1, kept open between
// operations. The record count is the file length divided by the record length; a partial
// record at the end is ignored. Every write reaches the file before the call returns.
// A file longer than the largest such file can be is refused when it is opened: it is left
// closed and untouched, reads as empty, and every write reports the refusal.
class RecordFileBase
{
public:
    RecordFileBase(int recordLength, qint64 largestFile);
    virtual ~RecordFileBase();
    RecordFileBase(const RecordFileBase&) = delete;
    RecordFileBase& operator=(const RecordFileBase&) = delete;

    // Opens the named file, creating it empty when it is missing. A file that exists but
    // cannot be written is opened for reading and the failure is returned all the same.
    // A name that leads to anything but a regular file, or to one that is too large, is
    // not opened at all.
    FileResult open(const QString& name);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    const QString& name() const { return name_; }
    int count() const;
    // Whether the name now leads to another file than the open one, or to none: another
    // program replaced or removed it, and what is read through this one is no longer there.
    bool isReplaced() const;

    // Reads record n into out; a record beyond the end reads as zero bytes.
    FileResult readBytes(int n, char* out) const;
    // Writes record n; n may be count() + 1, which appends.
    FileResult writeBytes(int n, const char* data);
    // Appends whole records in one write, directly after the last whole record. A failed
    // append leaves the file as it was.
    FileResult appendBytes(const QByteArray& records);
    // All whole records in one read.
    QByteArray readAllBytes() const;
    // Reads the whole records in pieces of `records` records (the last piece may hold
    // fewer) and hands each to `take` in file order, so a large file is gone through
    // without a copy of it in memory. Returns false when the file could not be read to
    // its end; the pieces handed over until then are whole records all the same.
    bool readInPieces(int records, const std::function<void(const char* bytes, qsizetype size)>& take) const;
    // Replaces the whole file atomically with the given records and reopens it. A failure
    // leaves the file as it was; a file that is not open (because it was refused) is not
    // replaced.
    FileResult replaceAllBytes(const QByteArray& content);
    // The same for two files at once: both are replaced or, on any failure, neither
    // (replaceFilesTogether); both are reopened.
    static FileResult replaceTogether(RecordFileBase& first, const QByteArray& firstContent, RecordFileBase& second,
                                      const QByteArray& secondContent);

private:
    FileResult writable() const;
    FileResult writeAt(qint64 offset, const char* data, qint64 size);

    int fd_ = -1;
    bool writable_ = false;
    FileResult openError_;
    QString name_;
    int length_;
    qint64 largest_;
};

template<class T> class RecordFile : public RecordFileBase
{
public:
    RecordFile()
        : RecordFileBase(T::Length, T::LargestFile)
    {
    }

    T read(int n) const
    {
        T record;
        // A record that cannot be read reads as zero bytes, as one beyond the end does;
        // whatever is then written is checked on its own.
        (void)readBytes(n, record.bytes.data());
        return record;
    }
    FileResult write(int n, const T& record) { return writeBytes(n, record.bytes.data()); }
    FileResult append(const T& record) { return writeBytes(count() + 1, record.bytes.data()); }

    std::vector<T> readAll() const { return recordsFromBytes<T>(readAllBytes()); }

    FileResult replaceAll(const std::vector<T>& records) { return replaceAllBytes(bytesFromRecords(records)); }
};

// Opens the named file as the program always has (creating it empty when missing),
// counts its records and closes it again.
template<class T> int probeRecordCount(const QString& name, FileResult* result = nullptr)
{
    RecordFile<T> file;
    const FileResult opened = file.open(name);
    if (result)
        *result = opened;
    return file.count();
}

} // namespace data
