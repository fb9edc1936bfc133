#include "SpendingByMonth.h"

#include "LogRules.h"
#include "data/Numbers.h"

#include <algorithm>
#include <map>

namespace shoplog {

using data::LogRecord;

double SpendingByMonth::largestMonth() const
{
    double largest = 0;
    for (const MonthSpending& m : months)
        largest = std::max({largest, m.net, m.coupons});
    return largest;
}

SpendingByMonth spendingByMonth(const std::vector<LogRecord>& records, const std::vector<int>& entries)
{
    SpendingByMonth result;
    std::map<QDate, MonthSpending> byMonth;
    for (int n : entries) {
        if (n < 1 || size_t(n) > records.size())
            continue;
        const LogRecord& r = records[size_t(n) - 1];
        const double net = data::parseLenient(r.get(LogRecord::total));
        const double coupons = data::parseLenient(r.get(LogRecord::coupons));
        ++result.trips;
        result.netSum += net;
        const QDate date = readEntryDate(r.get(LogRecord::entrydate));
        if (!date.isValid()) {
            ++result.undated;
            continue;
        }
        MonthSpending& month = byMonth[QDate(date.year(), date.month(), 1)];
        month.net += net;
        month.coupons += coupons;
        ++month.trips;
    }
    if (byMonth.empty())
        return result;
    const QDate last = byMonth.rbegin()->first;
    for (QDate month = byMonth.begin()->first; month <= last; month = month.addMonths(1)) {
        const auto found = byMonth.find(month);
        MonthSpending m = found != byMonth.end() ? found->second : MonthSpending{};
        m.month = month;
        result.months.push_back(m);
    }
    return result;
}

} // namespace shoplog
