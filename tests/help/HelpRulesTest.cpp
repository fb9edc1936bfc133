#include "app/Magnifier.h"
#include "help/HelpTexts.h"
#include "support/Fixtures.h"

using app::nextListFontSize;
using help::helpRows;
using help::HelpSection;

// The help windows and their printouts show these rows as they are (see their tests); the
// ends, the count and the empty rows show a topic is whole and in its order.
TEST(HelpTexts, TopicsAreWholeRowForRow)
{
    const std::tuple<HelpSection, QString, QString, qsizetype, qsizetype> cases[] = {
        {HelpSection::MergeFiles, "EXPORTING / IMPORTING THE MASTER LIST", "will then delete the .mrg file.", 14, 3},
        {HelpSection::CustomLists, "HOW TO USE THE CUSTOM LIST FEATURE....",
         "\"EDIT...\" will allow you to remove products from a custom list.", 21, 5},
    };
    for (const auto& [section, first, last, count, empty] : cases) {
        const QStringList rows = helpRows(section);
        EXPECT_EQ(rows.first(), first);
        EXPECT_EQ(rows.last(), last);
        EXPECT_EQ(rows.size(), count) << first.toStdString();
        EXPECT_EQ(rows.count(QString()), empty) << first.toStdString();
    }
}

TEST(Magnifier, CyclesThroughTheDesktopSizeAndTheTwoLargerOnes)
{
    const std::tuple<double, double, double> cases[] = {
        // now, on a desktop of, next
        {9, 9, 14.25},    {14.25, 9, 18},     {18, 9, 9},         {8.25, 8.25, 14.25}, {18, 8.25, 8.25}, {12, 9, 12},
        {14.2501, 9, 18}, {14.25, 14.25, 18}, {18, 14.25, 14.25}, {18, 18, 14.25},     {14.25, 18, 18},
    };
    for (const auto& [now, desktop, next] : cases)
        EXPECT_DOUBLE_EQ(nextListFontSize(now, desktop), next) << now << " on a desktop of " << desktop;
}
