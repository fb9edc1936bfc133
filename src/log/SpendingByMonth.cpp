#include "SpendingByMonth.h"

#include "LogRules.h"
#include "data/Numbers.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>

namespace shoplog {

using data::LogRecord;

double largestOf(const std::vector<MonthSpending>& periods)
{
    double largest = 0;
    for (const MonthSpending& m : periods)
        largest = std::max({largest, m.net, m.coupons});
    return largest;
}

double SpendingByMonth::largestMonth() const
{
    return largestOf(months);
}

std::vector<MonthSpending> SpendingByMonth::years() const
{
    std::vector<MonthSpending> result;
    for (const MonthSpending& m : months) {
        if (result.empty() || result.back().month.year() != m.month.year())
            result.push_back({QDate(m.month.year(), 1, 1)});
        MonthSpending& year = result.back();
        year.net += m.net;
        year.coupons += m.coupons;
        year.trips += m.trips;
    }
    return result;
}

std::vector<MonthSpending> SpendingByMonth::monthsOf(int year) const
{
    std::vector<MonthSpending> result;
    for (int month = 1; month <= 12; ++month)
        result.push_back({QDate(year, month, 1)});
    for (const MonthSpending& m : months) {
        if (m.month.year() == year)
            result[size_t(m.month.month() - 1)] = m;
    }
    return result;
}

SpendingByMonth spendingByMonth(const std::vector<LogRecord>& records, const std::vector<int>& entries,
                                const QDate& today)
{
    struct Dated
    {
        QDate date;
        double net;
        double coupons;
    };
    SpendingByMonth result;
    std::vector<Dated> dated;
    std::map<int, int> perYear;
    for (int n : entries) {
        if (n < 1 || size_t(n) > records.size())
            continue;
        const LogRecord& r = records[size_t(n) - 1];
        const double net = data::parseLenient(r.get(LogRecord::total));
        const double coupons = data::parseLenient(r.get(LogRecord::coupons));
        ++result.trips;
        result.netSum += net;
        const QDate date = readEntryDate(r.get(LogRecord::entrydate));
        if (!date.isValid())
            ++result.undated;
        else if (date > today)
            ++result.outlying;
        else {
            dated.push_back({date, net, coupons});
            ++perYear[date.year()];
        }
    }
    if (dated.empty())
        return result;
    // Years that stand apart before the rest (two empty years or more between) and hold less
    // than a tenth of the entries together are mistyped years, not a log kept back then. A
    // tenth of each year's entries would not do: over ten even years no year holds a tenth.
    const int total = int(dated.size());
    int before = 0;
    int previous = 0;
    for (const auto& [year, count] : perYear) {
        if (previous == 0 || (year - previous > 2 && before * 10 < total))
            result.firstYear = year;
        before += count;
        previous = year;
    }
    std::map<QDate, MonthSpending> byMonth;
    for (const Dated& d : dated) {
        if (d.date.year() < result.firstYear) {
            ++result.outlying;
            continue;
        }
        MonthSpending& month = byMonth[QDate(d.date.year(), d.date.month(), 1)];
        month.net += d.net;
        month.coupons += d.coupons;
        ++month.trips;
    }
    const QDate last = byMonth.rbegin()->first;
    for (QDate month = byMonth.begin()->first; month <= last; month = month.addMonths(1)) {
        const auto found = byMonth.find(month);
        MonthSpending m = found != byMonth.end() ? found->second : MonthSpending{};
        m.month = month;
        result.months.push_back(m);
    }
    return result;
}

QString leftOutNote(const SpendingByMonth& s)
{
    QStringList parts;
    if (s.undated == 1)
        parts << QCoreApplication::translate("shoplog", "1 entry has a date that cannot be read");
    else if (s.undated > 1)
        parts << QCoreApplication::translate("shoplog", "%1 entries have dates that cannot be read").arg(s.undated);
    const QString far = s.firstYear > 0
                            ? QCoreApplication::translate("shoplog", "(before %1 or in the future)").arg(s.firstYear)
                            : QCoreApplication::translate("shoplog", "(in the future)");
    if (s.outlying == 1)
        parts << QCoreApplication::translate("shoplog", "1 entry has a date far from the others %1").arg(far);
    else if (s.outlying > 1)
        parts << QCoreApplication::translate("shoplog", "%1 entries have dates far from the others %2")
                     .arg(s.outlying)
                     .arg(far);
    if (parts.isEmpty())
        return {};
    const bool one = s.undated + s.outlying == 1;
    return parts.join(QCoreApplication::translate("shoplog", " and ")) +
           (one ? QCoreApplication::translate("shoplog", "; it is left off the chart and counts in the average only.")
                : QCoreApplication::translate("shoplog",
                                              "; they are left off the chart and count in the average only."));
}

} // namespace shoplog
