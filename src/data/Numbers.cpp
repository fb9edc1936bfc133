#include "Numbers.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace data {
namespace {

bool isSkippedBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Rounds |value| to the given number of decimals, halves away from zero. A product such as
// 2.675 * 100 lands a hair below the half in binary; the tolerance treats it as the half
// the user typed.
long double roundedScaled(double value, int decimals)
{
    const long double scaled = std::fabs(static_cast<long double>(value)) * std::pow(10.0L, decimals);
    const long double floor = std::floor(scaled);
    const long double fraction = scaled - floor;
    if (std::fabs(fraction - 0.5L) < 1e-7L)
        return floor + 1;
    return std::round(scaled);
}

// The text without the blanks and zero bytes around it.
QString trimmedNumberText(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == QChar(0)))
        ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == QChar(0)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

double parseLenient(QStringView text)
{
    // The digits are gathered as plain characters: a price is read for every item of every
    // rebuild, and converting them without a QString keeps that cheap.
    std::string digits;
    auto keep = [&digits](QChar c) { digits.push_back(char(c.unicode())); };
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isSkippedBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    bool point = false;
    bool any = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isSkippedBlank(c))
            continue;
        if (isDigit(c)) {
            keep(c);
            any = true;
        } else if (c == u'.' && !point) {
            keep(c);
            point = true;
        } else {
            break;
        }
    }
    if (!any)
        return 0;
    // An exponent counts only when digits follow it.
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        const qsizetype signAt = i + 1;
        qsizetype j = signAt;
        if (j < n && (text[j] == u'-' || text[j] == u'+'))
            ++j;
        const qsizetype firstDigit = j;
        while (j < n && isDigit(text[j]))
            ++j;
        if (j > firstDigit) {
            keep(u'e');
            for (qsizetype k = signAt; k < j; ++k)
                keep(text[k]);
        }
    }
    double value = 0;
    const char* last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(digits.data(), last, value);
    if (error != std::errc() || end != last || !std::isfinite(value))
        return 0;
    return negative ? -value : value;
}

bool isNumber(QStringView text)
{
    qsizetype i = 0;
    qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    while (n > i && text[n - 1] == u' ')
        --n;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    bool any = false;
    bool point = false;
    for (; i < n; ++i) {
        if (isDigit(text[i]))
            any = true;
        else if (text[i] == u'.' && !point)
            point = true;
        else
            break;
    }
    if (!any)
        return false;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < n && (text[i] == u'-' || text[i] == u'+'))
            ++i;
        bool expDigits = false;
        while (i < n && isDigit(text[i])) {
            ++i;
            expDigits = true;
        }
        if (!expDigits)
            return false;
    }
    return i == n && std::isfinite(text.toString().trimmed().toDouble());
}

QString formatPattern(double value, QStringView pattern)
{
    qsizetype firstDigit = 0;
    while (firstDigit < pattern.size() && pattern[firstDigit] != u'#' && pattern[firstDigit] != u'0')
        ++firstDigit;
    const QStringView prefix = pattern.left(firstDigit);
    const QStringView body = pattern.mid(firstDigit);
    const qsizetype point = body.indexOf(u'.');
    const QStringView integerPart = point < 0 ? body : body.left(point);
    const int decimals = point < 0 ? 0 : int(body.size() - point - 1);
    // A 0 placeholder forces its own digit and every digit to its right.
    const qsizetype firstZero = integerPart.indexOf(u'0');
    const int minIntegerDigits = firstZero < 0 ? 0 : int(integerPart.size() - firstZero);

    const long double rounded = roundedScaled(value, decimals);
    const long double scale = std::pow(10.0L, decimals);
    const long double whole = std::floor(rounded / scale);
    const long double fraction = rounded - whole * scale;

    // Whole numbers a double holds exactly print the same as integers, and much faster.
    auto digitsOf = [](long double integral) {
        return integral < 9007199254740992.0L ? QString::number(static_cast<qint64>(integral))
                                              : QString::number(double(integral), 'f', 0);
    };
    QString integerText = whole == 0 ? QString() : digitsOf(whole);
    while (integerText.size() < minIntegerDigits)
        integerText.prepend(u'0');
    QString out;
    if (value < 0 && rounded != 0)
        out += u'-';
    out += prefix;
    out += integerText;
    if (decimals > 0)
        out += u'.' + digitsOf(fraction).rightJustified(decimals, u'0');
    return out;
}

QString formatMoneyText(const QString& text, QStringView pattern)
{
    return isNumber(text) ? formatPattern(parseLenient(text), pattern) : text;
}

QString plainNumber(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral(" 0");
    // Fifteen significant digits, written out in full: the files never hold an exponent.
    const double magnitude = std::fabs(value);
    const int leading = int(std::floor(std::log10(magnitude))) + 1;
    const int decimals = std::clamp(15 - leading, 0, 340);
    QString text = QString::number(magnitude, 'f', decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    if (text == QLatin1String("0") || text.isEmpty())
        return QStringLiteral(" 0");
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + text;
}

std::optional<QString> fitMoneyText(const QString& text, int width)
{
    return fitMoneyText(text, width, parseLenient(trimmedNumberText(text)));
}

std::optional<QString> fitMoneyText(const QString& text, int width, double value)
{
    if (text.size() <= width)
        return text;
    const QString trimmed = trimmedNumberText(text);
    if (trimmed.size() <= width)
        return trimmed;
    if (!isNumber(trimmed) || trimmed.contains(u'e', Qt::CaseInsensitive))
        return std::nullopt;
    const qsizetype point = trimmed.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(trimmed.size() - point - 1);
    // A text of width characters has at most width - 1 decimals.
    for (int d = std::min(decimals - 1, width - 1); d >= 0; --d) {
        QString rounded = formatPattern(value, d == 0 ? QString(u'#') : QStringLiteral("#.") + QString(d, u'0'));
        if (rounded.isEmpty() || rounded == QLatin1String("-"))
            rounded = QStringLiteral("0");
        if (rounded.size() <= width)
            return rounded;
    }
    return std::nullopt;
}

std::optional<QString> fitNumber(double value, int width)
{
    return fitMoneyText(plainNumber(value), width, value);
}

namespace {

// The value in whole cents, halves away from zero, with its sign.
long double cents(double value)
{
    const long double magnitude = roundedScaled(value, 2);
    return value < 0 ? -magnitude : magnitude;
}

} // namespace

std::optional<QString> fitMoneyExactly(const QString& text, int width, double value)
{
    std::optional<QString> fitted = fitMoneyText(text, width, value);
    if (fitted && cents(parseLenient(*fitted)) != cents(value))
        return std::nullopt;
    return fitted;
}

std::optional<QString> fitMoneyExactly(const QString& text, int width)
{
    return fitMoneyExactly(text, width, parseLenient(trimmedNumberText(text)));
}

std::optional<QString> fitNumberExactly(double value, int width)
{
    return fitMoneyExactly(plainNumber(value), width, value);
}

QString largestMoneyWithCents(int width)
{
    return QString(std::max(width - 3, 0), u'9') + QStringLiteral(".99");
}

QString moneyDoesNotFit(const QString& badEntry, double amount, const QString& what, int width)
{
    return QCoreApplication::translate(
               "data", "%1  %2 does not fit the %3 characters a %4 is stored in.  The largest %4 with cents is %5.")
        .arg(badEntry, formatPattern(amount, u"###.00"), QString::number(width), what, largestMoneyWithCents(width));
}

std::optional<QString> fitExactText(const QString& text, int width)
{
    if (text.size() <= width)
        return text;
    const QString trimmed = trimmedNumberText(text);
    if (trimmed.size() <= width)
        return trimmed;
    if (!isNumber(trimmed))
        return std::nullopt;
    const QString plain = trimmedNumberText(plainNumber(parseLenient(trimmed)));
    if (plain.size() <= width && parseLenient(plain) == parseLenient(trimmed))
        return plain;
    return std::nullopt;
}

} // namespace data
