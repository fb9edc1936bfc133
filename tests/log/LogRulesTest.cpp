#include "log/LogRules.h"
#include "log/EntryEditing.h"
#include "log/LogPrintout.h"
#include "log/SpendingByMonth.h"
#include "support/Fixtures.h"

#include <numeric>

using namespace shoplog;
using data::LogRecord;

namespace {

std::vector<int> recordsOf(const LogView& view)
{
    std::vector<int> records;
    for (const LogLine& line : view.lines)
        records.push_back(line.record);
    return records;
}

QStringList figuresOf(const LogView& view)
{
    const LogFigures f = view.figures();
    return {f.coupontot, f.nettot, f.couponavg, f.netavg};
}

} // namespace

// The plain filed entry is checked by the log window's test, against a record built field by field.
TEST(LogEntry, MoneyIsKeptToTheCentOrRefusedNeverRoundedOrCut)
{
    const auto big = makeLogEntry(QDate(2027, 1, 2), "9999.99", 999.99, "/home/me/My.Store.lst", {});
    ASSERT_TRUE(big);
    EXPECT_EQ(big->text(LogRecord::total), "9999.99");
    EXPECT_EQ(big->text(LogRecord::coupons), "999.99");
    EXPECT_EQ(big->text(LogRecord::listname), "My");
    EXPECT_FALSE(makeLogEntry(QDate(2027, 1, 2), "12345.67", 0, "grocery.lst", {})) << "no field holds it";
    EXPECT_FALSE(makeLogEntry(QDate(2027, 1, 2), "1.00", 1234.56, "grocery.lst", {}));

    const std::tuple<QString, int, std::optional<QString>> cases[] = {
        {"45.50", 7, "45.50"},         {" 199.98", 6, "199.98"},     {"1234.50", 6, "1234.5"},
        {"12345.67", 7, std::nullopt}, {"1234.56", 6, std::nullopt}, {"9999.96", 6, std::nullopt},
        {"-1234.56", 7, std::nullopt}, {"abcdefgh", 6, "abcdefgh"},  {"1234567.1", 6, std::nullopt},
    };
    for (const auto& [text, width, fitted] : cases)
        EXPECT_EQ(fitMoney(text, width), fitted) << text.toStdString();
}

TEST(LogEntry, DatesReadMonthFirstWithTheCenturyPivot)
{
    const std::pair<QString, QString> cases[] = {
        {"06-15-26", "2026-06-15"}, {"01-02-29", "2029-01-02"}, {"01-02-30", "1930-01-02"},
        {"12-31-99", "1999-12-31"}, {"1/5/2031", "2031-01-05"}, {" 3.4.00 ", "2000-03-04"},
    };
    for (const auto& [text, date] : cases)
        EXPECT_EQ(readEntryDate(text).toString(Qt::ISODate), date) << text.toStdString();
    for (const QString text : {"DEC 5", "13-01-26", "02-30-26", "", "1-2-3-4", "-1-02-26"})
        EXPECT_FALSE(readEntryDate(text).isValid()) << text.toStdString();
}

TEST(LogView, LinesSortByDateAndRestrictByListIgnoringCase)
{
    const std::vector<LogRecord> records{
        logEntry("12-30-26", "1.00", "10.00", "grocery", "new year"),
        logEntry("01-02-27", "", "20.00", "A shopping list with a long name"),
        logEntry("DEC 5", "", "5.00", "GROCERY"),
        logEntry("06-15-26", ".50", "30.00", "Grocery"),
        logEntry("06-15-26", "", "1.00", "groceryx"),
    };
    const LogView view = buildLogView(records, {});
    EXPECT_EQ(recordsOf(view), (std::vector{4, 5, 1, 2, 3})) << "file order kept, unreadable dates last";
    EXPECT_EQ(view.lines[2].text, "grocery              12-30-26  1.00    10.00   new year" + QString(92, u' '));
    EXPECT_TRUE(view.lines[3].text.startsWith("A shopping list with 01-02-27")) << "list name cut to 20";
    EXPECT_EQ(figuresOf(view), (QStringList{"1.50", "66.00", ".30", "13.20"}));

    const LogView grocery = buildLogView(records, {Restriction::Kind::List, " Grocery "});
    EXPECT_EQ(recordsOf(grocery), (std::vector{4, 1, 3}));
    EXPECT_EQ(figuresOf(grocery), (QStringList{"1.50", "45.00", ".50", "15.00"}));
    EXPECT_EQ(recordsOf(pickLines(records, view.lines, {0, 7})), std::vector{4}) << "no line 7";
    EXPECT_EQ(figuresOf(buildLogView(records, {Restriction::Kind::List, "nowhere"})),
              (QStringList{".00", ".00", "", ""}))
        << "no average of nothing";
}

// Deleting an entry, and a failed delete, are shown by the editor's window test.
TEST(LogFileTest, DeletingTheOnlyEntryLeavesAnEmptyFile)
{
    TempFolder folder;
    TempFolder::write(kLogFile, bytesOf(std::vector{logEntry("01-01-27", "", "1", "grocery")}));
    LogFile file;
    ASSERT_TRUE(file.open(kLogFile).ok());
    ASSERT_TRUE(deleteEntry(file, 1).ok());
    EXPECT_TRUE(TempFolder::exists(kLogFile));
    EXPECT_EQ(TempFolder::read(kLogFile).size(), 0);
}

TEST(LogPrintoutTest, FortyEntriesToAPageUnderTheHeadingEveryEntryOnOneLineAndTheWindowsFigures)
{
    const LogFigures shown{"1.00", "2.00", ".50", "1.00"};
    const QStringList heading{"", "", "", "{Times New Roman 14}Pantrix Shopping List",
                              "{Times New Roman 12}Expense Log   Printed 06-12-2026", "",
                              // A column already passed: the next one follows a blank after.
                              "List" + QString(26, u' ') + "Entry Date Coupons Net  Comments", ""};
    const QStringList totals{"Coupons: 1.00", "Average: .50", "", "Net: 2.00", "Average: 1.00"};
    const QString entry = "grocery" + QString(23, u' ') + "12-05-26.75     45.50   note";
    const std::pair<int, QStringList> cases[] = {
        // entries, what follows the first page's forty
        {41, QStringList{"<new page>"} + heading + QStringList{"last" + QString(26, u' ') + entry.mid(30), "", ""} +
                 totals},
        // The figures stay on the last page.
        {40, QStringList{"", ""} + totals},
    };
    for (const auto& [count, tail] : cases) {
        std::vector<LogRecord> records;
        for (int i = 1; i <= count; ++i)
            records.push_back(logEntry("12-05-26", ".75", "45.50", i == 41 ? "last" : "grocery", "note"));
        QStringList text = logPrintout(records, QDate(2026, 12, 6), shown).asText();
        ASSERT_TRUE(text[0].startsWith("{Times New Roman 12}"));
        text[0].remove("{Times New Roman 12}");
        EXPECT_EQ(text.mid(0, 8), heading);
        EXPECT_EQ(text.mid(8, 40), QStringList(40, entry));
        EXPECT_EQ(text.mid(48), tail) << count;
    }
}

TEST(EntryEditingTest, ChecksAndFormatsOfTheBoxes)
{
    const std::pair<QString, std::optional<QString>> money[] = {
        {"12.5", "12.50"}, {"3", "3.00"}, {"0.5", ".50"}, {" 7 ", "7.00"}, {"abc", {}}, {"", {}}, {"1,5", {}},
    };
    for (const auto& [typed, shown] : money)
        EXPECT_EQ(checkedMoney(typed), shown) << typed.toStdString();

    const EntryFields f = fieldsOf(logEntry("12-05-26", ".5", "45.5", "grocery", "  weekly "));
    EXPECT_EQ(f.coupons, ".50");
    EXPECT_EQ(f.total, "45.50");
    EXPECT_EQ(f.comment, "weekly");

    EXPECT_FALSE(entryFrom({"x", "1", "123456789", "", ""}));
}

TEST(SpendingByMonthTest, MonthsInOrderWithQuietMonthsAndTheAveragePerTrip)
{
    const std::vector<LogRecord> records{
        logEntry("03-20-26", "1.00", "30.00", "grocery"), logEntry("01-05-26", ".50", "10.00", "grocery"),
        logEntry("01-25-26", "", "20.00", "corner"),      logEntry("DEC 5", "", "40.00", "grocery"),
        logEntry("12-31-25", "", "5.00", "corner"),
    };
    const SpendingByMonth s = spendingByMonth(records, {1, 2, 3, 4, 9}, QDate(2026, 12, 7));
    ASSERT_EQ(s.months.size(), 3u);
    EXPECT_EQ(s.months[0].month, QDate(2026, 1, 1));
    EXPECT_DOUBLE_EQ(s.months[0].net, 30);
    EXPECT_DOUBLE_EQ(s.months[0].coupons, .5);
    EXPECT_EQ(s.months[1].trips, 0) << "February had no trip";
    EXPECT_DOUBLE_EQ(s.months[2].net, 30);
    EXPECT_EQ(s.undated, 1);
    EXPECT_DOUBLE_EQ(s.averagePerTrip(), 25) << "four trips, the undated one too";
    EXPECT_EQ(spendingByMonth(records, {}, QDate(2026, 12, 7)).averagePerTrip(), 0);
}

TEST(SpendingByMonthTest, LongSpansGoByYearAndStrayDatesAreLeftOut)
{
    const QDate today(2026, 12, 7);
    std::vector<LogRecord> records;
    for (int year = 2000; year <= 2026; ++year)
        records.push_back(logEntry(QDate(year, 6, 1).toString("MM-dd-yy"), ".50", "10.00", "g"));
    records.push_back(logEntry("03-12-62", "", "100.00", "g")); // a mistyped year
    records.push_back(logEntry("12-08-26", "", "100.00", "g")); // tomorrow
    std::vector<int> all(records.size());
    std::iota(all.begin(), all.end(), 1);
    // Over many even years no year holds a tenth of the entries, and none is far from the rest.
    const SpendingByMonth s = spendingByMonth(records, all, today);
    EXPECT_EQ(s.outlying, 2);
    EXPECT_EQ(s.firstYear, 2000);
    EXPECT_EQ(s.trips, 29) << "left out of the months, not of the average";
    const std::vector<MonthSpending> years = s.years();
    ASSERT_EQ(years.size(), 27u);
    EXPECT_EQ(years[26].month, QDate(2026, 1, 1));
    EXPECT_DOUBLE_EQ(years[26].net + years[26].coupons, 10.5);
    EXPECT_EQ(s.monthsOf(2025).size(), 12u);
    EXPECT_DOUBLE_EQ(s.monthsOf(2025)[5].net, 10);
    // A log kept years ago, then paused, is not a mistyped year: it holds more than a tenth.
    EXPECT_EQ(spendingByMonth(records, {1, 2, 3, 26, 27}, today).firstYear, 2000);
    const std::vector<LogRecord> edge{logEntry("07-01-24", "", "1.00", "g"), logEntry("06-01-26", "", "1.00", "g")};
    EXPECT_FALSE(spendingByMonth(edge, {1, 2}, today).byYear()) << "24 months";
    EXPECT_TRUE(spendingByMonth(records, {25, 27}, today).byYear()) << "25 months";
}

TEST(SpendingByMonthTest, TheNoteCountsWhatIsLeftOut)
{
    const std::tuple<int, int, int, QString> notes[] = {
        {0, 0, 2024, ""},
        {1, 0, 2024,
         "1 entry has a date that cannot be read; it is left off the chart and counts in the average only."},
        {2, 1, 0,
         "2 entries have dates that cannot be read and 1 entry has a date far from the others (in the "
         "future); they are left off the chart and count in the average only."},
    };
    for (const auto& [undated, outlying, firstYear, note] : notes) {
        SpendingByMonth s{{}, 0, 0, undated, outlying, firstYear};
        EXPECT_EQ(leftOutNote(s), note);
    }
}
