#pragma once

#include "data/Records.h"

#include <QDate>
#include <QString>

#include <vector>

namespace shoplog {

// The sums of one stretch of time: a month, or a year.
struct MonthSpending
{
    QDate month; // its first day
    double net = 0;
    double coupons = 0;
    int trips = 0;
};

// Beyond this many months the chart shows years, so that every bar and label stays readable.
inline constexpr int kMostMonthBars = 24;

struct SpendingByMonth
{
    // Every month from the first charted entry's to the last one's, quiet months included,
    // so the months stand evenly on the axis.
    std::vector<MonthSpending> months;
    int trips = 0;     // every entry given, dated or not
    double netSum = 0; // over every entry given
    int undated = 0;   // entries whose date cannot be read: in the sums, in no month
    int outlying = 0;  // entries dated far from the rest or in the future: in the sums, in no month
    int firstYear = 0; // entries dated before this year are outlying

    // Net spent per trip; 0 when there are no trips.
    double averagePerTrip() const { return trips > 0 ? netSum / trips : 0; }
    double largestMonth() const;
    // Whether the months are too many for one bar each.
    bool byYear() const { return int(months.size()) > kMostMonthBars; }
    // The sums of each year of the months, first to last.
    std::vector<MonthSpending> years() const;
    // January to December of one year, quiet months included.
    std::vector<MonthSpending> monthsOf(int year) const;
};

// The net spent and coupon savings per month of the given entries (record numbers from 1
// into records; numbers outside the file are skipped). A date after today, or in years
// that stand apart before the rest holding less than a tenth of the entries (a mistyped
// year), would stretch the axis over empty years: such entries are left out of the months.
SpendingByMonth spendingByMonth(const std::vector<data::LogRecord>& records, const std::vector<int>& entries,
                                const QDate& today);

// The line that tells which entries the chart leaves out; empty when it leaves out none.
QString leftOutNote(const SpendingByMonth& spending);

// The largest bar among these sums.
double largestOf(const std::vector<MonthSpending>& periods);

} // namespace shoplog
