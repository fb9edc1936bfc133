#pragma once

#include "data/FileResult.h"
#include "data/RecordFile.h"
#include "data/Records.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// The shopping log: one LogRecord per trip in pantlog.dat.
namespace shoplog {

inline const QString kLogFile = QStringLiteral("pantlog.dat");
using LogFile = data::RecordFile<data::LogRecord>;

// Money text that fits a field of the given width without being cut: text that fits is
// kept; otherwise a leading blank goes, then the number is rounded to the decimals that
// fit (12345.67 in 7 → "12345.7", 1234.56 in 6 → "1234.6"). Text that is no number is
// kept as it is (the field cuts it); a number too large for the field gives nullopt.
std::optional<QString> fitMoney(const QString& text, int width);

// "mm-dd-yy" of a day, as entries are dated.
QString entryDateText(const QDate& day);
// Reads an entry date as month-day-year ("12-05-26", also with "/" or "." and four-digit
// years); two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999. Anything else gives an
// invalid date.
QDate readEntryDate(QStringView text);

// A new entry for the current shopping list: today's date, the list's total and coupon
// total as "####.00", the list file's name up to its first "." and the comment (cut to
// 100). Every other byte stays zero. nullopt when a total is too large for its field.
std::optional<data::LogRecord> makeLogEntry(const QDate& today, const QString& totalText, double couponTotal,
                                            const QString& listFile, const QString& comment);

// One line of the Expense Log: list name cut or padded to 20, the date, coupons, net and
// comment as stored, in fixed columns.
QString logLine(const data::LogRecord& record);

// Which entries the Expense Log lists.
struct Restriction
{
    enum class Kind { None, List, Picked };
    Kind kind = Kind::None;
    QString list; // Kind::List: the list name, compared without regard to case

    bool active() const { return kind != Kind::None; }
};

struct LogLine
{
    QString text;
    QDate date;     // invalid when the entry's date cannot be read
    int record = 0; // record number in pantlog.dat, from 1
};

// The figures under the list: totals "#####.00", averages the same, or empty when no
// line is listed (there is nothing to average).
struct LogFigures
{
    QString coupontot, nettot, couponavg, netavg;
};

struct LogView
{
    std::vector<LogLine> lines;
    double couponSum = 0;
    double netSum = 0;

    LogFigures figures() const;
};

// The lines for the entries of the log (records in file order) that the restriction lets
// through (a picked restriction lists everything again), oldest first. Entries of one day
// keep their file order; entries whose date cannot be read follow every dated one, in
// file order.
LogView buildLogView(const std::vector<data::LogRecord>& records, const Restriction& restriction);

// Just the given lines of a view, in the order given, with sums read afresh from the records.
LogView pickLines(const std::vector<data::LogRecord>& records, const std::vector<LogLine>& shown,
                  const std::vector<int>& rows);

// Removes entry n, moving those behind it up by one; the file is replaced atomically, so a
// failure leaves it as it was.
data::FileResult deleteEntry(LogFile& file, int n);

} // namespace shoplog
