#pragma once

#include <QByteArray>
#include <QString>

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

} // namespace data::cp1252
