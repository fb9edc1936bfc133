#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// Windows-1252 ("ANSI") text, one byte per character, as the data files hold it.
namespace data::cp1252 {

// Decodes bytes as Windows-1252. The five bytes the code page leaves undefined decode to
// the C1 control of the same value, so every byte survives a decode/encode round trip.
QString decode(const char* bytes, qsizetype size);
inline QString decode(const QByteArray& bytes)
{
    return decode(bytes.constData(), bytes.size());
}

// Encodes to Windows-1252, exactly one byte per character (per code point, so a character
// outside the Basic Multilingual Plane also takes one byte). A character the code page
// lacks is written as its unaccented base letter when it has one ("ā" → "a"), else as "?".
QByteArray encode(QStringView text);

// The byte each byte becomes when its character is upper-cased (lower-cased), for work on
// record bytes without decoding them. A character whose other case is not in the code page,
// or is more than one character (ß), stays as it is.
const std::array<char, 256>& upperCaseBytes();
const std::array<char, 256>& lowerCaseBytes();

} // namespace data::cp1252
