#pragma once

#include <QString>

#include <array>
#include <cstring>
#include <utility>

namespace data {

// Removes the fill from both ends: blanks, and the zero bytes of a field that was never
// written (other programs' files carry them too). Zero bytes are not text, so a field of
// them reads as empty wherever it is shown, offered for editing, compared or converted.
// The stored bytes stay as they are; only FixedField::read gives them back.
QString trimBlanks(QStringView text);

// True when the text holds nothing but blanks and zero bytes, i.e. no value was ever stored.
bool isBlankOrUnwritten(QStringView text);

// One fixed-width text field of a record: Windows-1252, one byte per character,
// left-aligned and padded with blanks, cut to its width.
struct FixedField
{
    int offset;
    int width;

    // The field as stored, fill included: for copying a field into another record unchanged.
    QString read(const char* record) const;
    // The field as stored for showing at its full width, zero bytes shown as blanks.
    QString shown(const char* record) const;
    // The field trimmed of blanks and zero bytes, as it is shown, compared and converted to a number.
    QString text(const char* record) const { return trimBlanks(read(record)); }
    // The stored bytes without the blanks and zero bytes around them, for work on records
    // left undecoded; the same text as text().
    std::pair<const char*, const char*> trimmedBytes(const char* record) const;
    // Stores the value left-aligned, blank-padded, cut to the width.
    void write(char* record, QStringView value) const;
    // Copies the raw bytes of this field from another record of the same layout.
    void copyRaw(char* record, const char* from) const { std::memcpy(record + offset, from + offset, width); }
    // Sets the field back to zero bytes, as if never written.
    void clear(char* record) const { std::memset(record + offset, 0, width); }
};

// The longest file of many records the program takes in: a hundred megabytes is hundreds of
// thousands of records, far more than any list, log or product file a user keeps. A longer
// file is damaged or not one of the program's own, and is refused rather than read.
inline constexpr qint64 kLargestRecordFile = qint64(100) << 20;

// A record built from an all-zero buffer: fields nobody writes stay zero bytes.
template<int N> struct FixedRecord
{
    static constexpr int Length = N;
    // The longest file of such records that is read; a record type whose file holds a
    // fixed number of records says so by its own LargestFile.
    static constexpr qint64 LargestFile = kLargestRecordFile;
    std::array<char, N> bytes{};

    QString get(FixedField f) const { return f.read(bytes.data()); }
    QString text(FixedField f) const { return f.text(bytes.data()); }
    QString shown(FixedField f) const { return f.shown(bytes.data()); }
    void set(FixedField f, QStringView value) { f.write(bytes.data(), value); }
    void clear(FixedField f) { f.clear(bytes.data()); }
    template<class R> void copyField(FixedField f, const R& from) { f.copyRaw(bytes.data(), from.bytes.data()); }

    bool operator==(const FixedRecord&) const = default;
};

} // namespace data
