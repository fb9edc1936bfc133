#include "misc/HelpTexts.h"
#include "misc/Magnifier.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace misc;

// Rows joined by '|'; the help windows and their printouts show these rows as they are.
TEST(HelpTexts, TopicsRowForRowAndTheirListFont)
{
    EXPECT_EQ(
        helpRows(HelpSection::MergeFiles).join('|'),
        "EXPORTING / IMPORTING THE MASTER LIST||If you are comfortable handling files, you may wish to make use of "
        "this function.||THE PROBLEM:  As a convenience, you may sometimes use Pantrix at the office, for|instance, "
        "and buy groceries on the way home.  You may sometimes find yourself|ADDING new foods to the Product List at "
        "one location or the other, thereby needing|to Update the list at the other location.||THE SOLUTION: Export "
        "the Product List.  This creates a .mrg file from the|current data file.  Bring or send this file home and "
        "save it to the pantrix directory.|When Pantrix sees a matching '.mrg' file in the directory, it will enable "
        "Import|on the menu, which will bring in any new items to the local Product List.  Pantrix|will then delete "
        "the .mrg file.");
    EXPECT_EQ(helpFontSize(HelpSection::MergeFiles), 9.0);
    EXPECT_EQ(
        helpRows(HelpSection::CustomLists).join('|'),
        "HOW TO USE THE CUSTOM LIST FEATURE....||Create and save custom Product Lists (for recipes or any|purpose "
        "whatsoever) for future use in creating a Shopping List.||To create a custom list....|Select the required "
        "items on the Product List, then \"CREATE...\"|from the pull-down custom list menu.  Give your list a "
        "name|and it will be saved for your use later on.||To import a custom list to the Shopping List....|Use "
        "\"GET...\" to retrieve a custom list.  Click on the desired|list name to view and select products for your "
        "Shopping List.|Any item found to be on the Shopping List already will not |be duplicated.||The current "
        "shopping list may also be saved as a custom list.||\"DELETE...\" will remove a custom list from the "
        "file.|\"ADD...\" will place selected products on an existing custom list.|\"EDIT...\" will allow you to "
        "remove products from a custom list.");
    EXPECT_EQ(helpFontSize(HelpSection::CustomLists), 0.0) << "the list keeps its own size";
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
