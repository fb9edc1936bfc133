#include "LogRules.h"

#include "data/FixedField.h"
#include "data/Numbers.h"
#include "model/StoreFiles.h"

#include <algorithm>

namespace shoplog {

using data::LogRecord;

namespace {

const QString kMoney = QStringLiteral("####.00");
const QString kFigure = QStringLiteral("#####.00");

// The rounded number with the given decimals and no leading zero, as the money patterns write it.
QString withDecimals(double value, int decimals)
{
    QString pattern = QStringLiteral("#");
    if (decimals > 0)
        pattern += u'.' + QString(decimals, u'0');
    const QString text = data::formatPattern(value, pattern);
    return text.isEmpty() ? QStringLiteral("0") : text;
}

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
    const double value = data::parseLenient(trimmed);
    for (int decimals = width - 2; decimals >= 0; --decimals) {
        const QString candidate = withDecimals(value, decimals);
        if (candidate.size() <= width)
            return candidate;
    }
    return std::nullopt;
}

QString entryDateText(const QDate& day)
{
    return day.toString(QStringLiteral("MM-dd-yy"));
}

QDate readEntryDate(const QString& text)
{
    const QString trimmed = data::trimBlanks(text);
    QChar separator;
    for (QChar c : {u'-', u'/', u'.'}) {
        if (trimmed.count(c) == 2)
            separator = c;
    }
    if (separator.isNull())
        return {};
    const QStringList parts = trimmed.split(separator);
    int numbers[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const QString& part = parts[i];
        if (part.isEmpty() || part.size() > (i == 2 ? 4 : 2))
            return {};
        numbers[i] = part.toInt(&ok);
        if (!ok || part.front() == u'+' || part.front() == u'-')
            return {};
    }
    int year = numbers[2];
    if (parts[2].size() <= 2)
        year += year < 30 ? 2000 : 1900;
    return QDate(year, numbers[0], numbers[1]); // invalid when there is no such day
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

QString logLine(const LogRecord& record)
{
    // Zero bytes of a field never written show as nothing.
    auto shown = [&](data::FixedField f) { return record.get(f).replace(QChar(0), u' '); };
    return record.text(LogRecord::listname).replace(QChar(0), u' ').leftJustified(20, u' ', true) + u' ' +
           shown(LogRecord::entrydate) + QStringLiteral("  ") + shown(LogRecord::coupons) + QStringLiteral("  ") +
           shown(LogRecord::total) + u' ' + shown(LogRecord::comment);
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
        view.lines.push_back({logLine(r), readEntryDate(r.get(LogRecord::entrydate)), int(i) + 1});
        view.couponSum += data::parseLenient(r.get(LogRecord::coupons));
        view.netSum += data::parseLenient(r.get(LogRecord::total));
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
