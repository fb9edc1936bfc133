#pragma once

#include "data/Records.h"

#include <QDate>

#include <vector>

namespace shoplog {

struct MonthSpending
{
    QDate month; // its first day
    double net = 0;
    double coupons = 0;
    int trips = 0;
};

struct SpendingByMonth
{
    // Every month from the first dated entry's to the last one's, quiet months included,
    // so the months stand evenly on the axis.
    std::vector<MonthSpending> months;
    int trips = 0;     // every entry given, dated or not
    double netSum = 0; // over every entry given
    int undated = 0;   // entries whose date cannot be read: in the sums, in no month

    // Net spent per trip; 0 when there are no trips.
    double averagePerTrip() const { return trips > 0 ? netSum / trips : 0; }
    double largestMonth() const;
};

// The net spent and coupon savings per month of the given entries (record numbers from 1
// into records; numbers outside the file are skipped).
SpendingByMonth spendingByMonth(const std::vector<data::LogRecord>& records, const std::vector<int>& entries);

} // namespace shoplog
