#include "FixedField.h"

#include "Cp1252.h"

namespace data {

namespace {

bool isFill(QChar c)
{
    return c == u' ' || c == QChar(0);
}

} // namespace

QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isFill(text[begin]))
        ++begin;
    while (end > begin && isFill(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

bool isBlankOrUnwritten(QStringView text)
{
    for (QChar c : text) {
        if (c != u' ' && c != QChar(0))
            return false;
    }
    return true;
}

QString FixedField::read(const char* record) const
{
    return cp1252::decode(record + offset, width);
}

std::pair<const char*, const char*> FixedField::trimmedBytes(const char* record) const
{
    const char* begin = record + offset;
    const char* end = begin + width;
    while (begin < end && (*begin == ' ' || *begin == '\0'))
        ++begin;
    while (end > begin && (end[-1] == ' ' || end[-1] == '\0'))
        --end;
    return {begin, end};
}

QString FixedField::shown(const char* record) const
{
    QString text = read(record);
    text.replace(QChar(0), u' ');
    return text;
}

void FixedField::write(char* record, QStringView value) const
{
    const QByteArray encoded = cp1252::encode(value);
    const int n = std::min<int>(int(encoded.size()), width);
    std::memcpy(record + offset, encoded.constData(), n);
    std::memset(record + offset + n, ' ', width - n);
}

} // namespace data
