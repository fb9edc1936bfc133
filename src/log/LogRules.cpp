#include "LogRules.h"

#include "data/Cp1252.h"
#include "data/FixedField.h"
#include "data/Numbers.h"
#include "model/StoreFiles.h"

#include <algorithm>

namespace shoplog {

using data::LogRecord;

namespace {

const QString kMoney = QStringLiteral("####.00");
const QString kFigure = QStringLiteral("#####.00");

} // namespace

std::optional<QString> fitMoney(const QString& text, int width)
{
    if (text.size() <= width)
        return text;
    const QString trimmed = data::trimBlanks(text);
    if (trimmed.size() <= width)
        return trimmed;
    if (!data::isNumber(trimmed))
        return text;
    // A sum the log cannot keep to the cent is refused, never rounded.
    return data::fitMoneyExactly(trimmed, width);
}

QString entryDateText(const QDate& day)
{
    return day.toString(QStringLiteral("MM-dd-yy"));
}

QDate readEntryDate(QStringView text)
{
    // Read in place: the Expense Log reads one date per entry, 100k of them at a time.
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && text[i] == u' ')
        ++i;
    while (end > i && text[end - 1] == u' ')
        --end;
    QChar separator;
    auto number = [&](int maxDigits, int* digits) {
        int value = 0;
        *digits = 0;
        while (i < end && *digits < maxDigits && text[i] >= u'0' && text[i] <= u'9') {
            value = value * 10 + (text[i].unicode() - u'0');
            ++i;
            ++*digits;
        }
        return value;
    };
    auto separatorFollows = [&] {
        if (i >= end)
            return false;
        if (separator.isNull() && (text[i] == u'-' || text[i] == u'/' || text[i] == u'.'))
            separator = text[i];
        if (text[i] != separator)
            return false;
        ++i;
        return true;
    };
    int digits = 0;
    const int month = number(2, &digits);
    if (digits == 0 || !separatorFollows())
        return {};
    const int day = number(2, &digits);
    if (digits == 0 || !separatorFollows())
        return {};
    int year = number(4, &digits);
    if (digits == 0 || i != end)
        return {};
    if (digits <= 2)
        year += year < 30 ? 2000 : 1900;
    return QDate(year, month, day); // invalid when there is no such day
}

std::optional<LogRecord> makeLogEntry(const QDate& today, const QString& totalText, double couponTotal,
                                      const QString& listFile, const QString& comment)
{
    const auto total = fitMoney(data::formatMoneyText(data::trimBlanks(totalText), kMoney), LogRecord::total.width);
    const auto coupons = fitMoney(data::formatPattern(couponTotal, kMoney), LogRecord::coupons.width);
    if (!total || !coupons)
        return std::nullopt;
    LogRecord entry;
    entry.set(LogRecord::entrydate, entryDateText(today));
    entry.set(LogRecord::total, *total);
    entry.set(LogRecord::coupons, *coupons);
    entry.set(LogRecord::listname, model::storeBaseName(listFile));
    entry.set(LogRecord::comment, comment);
    return entry;
}

namespace {

// The text part of an entry (everything before the spare bytes), decoded once. Zero bytes of
// a field never written show as blanks.
struct DecodedEntry
{
    QString text;

    explicit DecodedEntry(const LogRecord& record)
        : text(data::cp1252::decode(record.bytes.data(), LogRecord::spare.offset))
    {
        text.replace(QChar(0), u' ');
    }
    QStringView field(data::FixedField f) const { return QStringView(text).mid(f.offset, f.width); }

    QString line() const
    {
        QStringView name = field(LogRecord::listname);
        while (!name.isEmpty() && name.front() == u' ')
            name = name.mid(1);
        while (!name.isEmpty() && name.back() == u' ')
            name.chop(1);
        QString line;
        line.reserve(20 + 1 + 8 + 2 + 6 + 2 + 7 + 1 + 100);
        line += name.left(20);
        line += QString(20 - std::min<qsizetype>(name.size(), 20) + 1, u' ');
        line += field(LogRecord::entrydate);
        line += QLatin1String("  ");
        line += field(LogRecord::coupons);
        line += QLatin1String("  ");
        line += field(LogRecord::total);
        line += u' ';
        line += field(LogRecord::comment);
        return line;
    }
};

} // namespace

QString logLine(const LogRecord& record)
{
    return DecodedEntry(record).line();
}

LogFigures LogView::figures() const
{
    LogFigures f;
    f.coupontot = data::formatPattern(couponSum, kFigure);
    f.nettot = data::formatPattern(netSum, kFigure);
    if (!lines.empty()) {
        const double n = double(lines.size());
        f.couponavg = data::formatPattern(couponSum / n, kFigure);
        f.netavg = data::formatPattern(netSum / n, kFigure);
    }
    return f;
}

LogView buildLogView(const std::vector<LogRecord>& records, const Restriction& restriction)
{
    LogView view;
    const QString wanted = data::trimBlanks(restriction.list).toUpper();
    const bool byList = restriction.kind == Restriction::Kind::List;
    view.lines.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        const LogRecord& r = records[i];
        if (byList && r.text(LogRecord::listname).toUpper() != wanted)
            continue;
        const DecodedEntry entry(r);
        view.lines.push_back({entry.line(), readEntryDate(entry.field(LogRecord::entrydate)), int(i) + 1});
        view.couponSum += data::parseLenient(entry.field(LogRecord::coupons));
        view.netSum += data::parseLenient(entry.field(LogRecord::total));
    }
    std::stable_sort(view.lines.begin(), view.lines.end(), [](const LogLine& a, const LogLine& b) {
        if (a.date.isValid() != b.date.isValid())
            return a.date.isValid();
        return a.date < b.date;
    });
    return view;
}

LogView pickLines(const std::vector<LogRecord>& records, const std::vector<LogLine>& shown,
                  const std::vector<int>& rows)
{
    LogView view;
    for (int row : rows) {
        if (row < 0 || size_t(row) >= shown.size())
            continue;
        const LogLine& line = shown[size_t(row)];
        view.lines.push_back(line);
        if (line.record < 1 || size_t(line.record) > records.size())
            continue; // the file shrank under us: the line stays, it adds nothing
        const LogRecord& r = records[size_t(line.record) - 1];
        view.couponSum += data::parseLenient(r.get(LogRecord::coupons));
        view.netSum += data::parseLenient(r.get(LogRecord::total));
    }
    return view;
}

data::FileResult deleteEntry(LogFile& file, int n)
{
    std::vector<LogRecord> records = file.readAll();
    if (n < 1 || size_t(n) > records.size())
        return data::FileResult::success();
    records.erase(records.begin() + (n - 1));
    return file.replaceAll(records);
}

} // namespace shoplog
