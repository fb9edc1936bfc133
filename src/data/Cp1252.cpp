#include "Cp1252.h"

#include <array>

namespace data::cp1252 {
namespace {

// 0x80..0x9F; zero marks the bytes Windows leaves undefined.
constexpr std::array<char16_t, 32> kHighControls = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t decodeByte(unsigned char b)
{
    if (b < 0x80 || b >= 0xA0)
        return b;
    const char16_t mapped = kHighControls[b - 0x80];
    return mapped != 0 ? mapped : char16_t(b);
}

// Returns the byte for a code point, or -1 when the code page has none.
int encodeCodePoint(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return int(cp);
    if (cp >= 0x80 && cp < 0xA0)
        return kHighControls[cp - 0x80] == 0 ? int(cp) : -1;
    for (int i = 0; i < int(kHighControls.size()); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == cp)
            return 0x80 + i;
    }
    return -1;
}

char substituteFor(char32_t cp)
{
    // Accented letters outside the code page fall back to their base letter.
    const QString decomposed = QChar::decomposition(cp);
    if (!decomposed.isEmpty()) {
        const int b = encodeCodePoint(decomposed.at(0).unicode());
        if (b > 0x20)
            return char(b);
    }
    return '?';
}

std::array<char, 256> caseTable(bool upper)
{
    std::array<char, 256> table{};
    for (int b = 0; b < 256; ++b) {
        const QString c(QChar(decodeByte(static_cast<unsigned char>(b))));
        const QString mapped = upper ? c.toUpper() : c.toLower();
        const int encoded = mapped.size() == 1 ? encodeCodePoint(mapped.at(0).unicode()) : -1;
        table[size_t(b)] = char(encoded >= 0 ? encoded : b);
    }
    return table;
}

} // namespace

const std::array<char, 256>& upperCaseBytes()
{
    static const std::array<char, 256> table = caseTable(true);
    return table;
}

const std::array<char, 256>& lowerCaseBytes()
{
    static const std::array<char, 256> table = caseTable(false);
    return table;
}

QString decode(const char* bytes, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < size; ++i)
        dst[i] = QChar(decodeByte(static_cast<unsigned char>(bytes[i])));
    return out;
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t cp = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const int b = encodeCodePoint(cp);
        out.append(b >= 0 ? char(b) : substituteFor(cp));
    }
    return out;
}

} // namespace data::cp1252
