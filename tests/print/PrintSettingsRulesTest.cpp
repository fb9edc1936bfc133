#include "print/PrintSettingsRules.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace print;
using data::PrintSettingsRecord;

namespace {

PrintSettingsRecord recordOf(const QByteArray& leading)
{
    PrintSettingsRecord r;
    std::copy(leading.cbegin(), leading.cend(), r.bytes.begin());
    return r;
}

} // namespace

TEST(PrintSettingsRules, RecordsLoadAsTheDialogShowsThem)
{
    TempFolder folder;
    // A first run: no file, a record of zero bytes whose flags all count as on.
    PrintChoices firstRun;
    firstRun.bold = firstRun.byCategory = firstRun.price = firstRun.separators = firstRun.headers = true;
    EXPECT_EQ(choicesFromRecord(readSettingsRecord()), firstRun);
    EXPECT_FALSE(TempFolder::exists(kSettingsFile)) << "opening the dialog writes nothing";

    const struct
    {
        QByteArray bytes;
        PrintChoices expected;
    } cases[] = {
        {QByteArray(11, ' '), {}}, // every flag blank: regular, alphabetical, no prices
        {"8 11        ", {"8", true, false, false, false, false, false, ""}},
        {"141  11 1 3 ", {"14", false, true, false, true, true, true, "3"}},
        {"101 1    0 ", {"10", false, false, false, false, false, false, "0"}}, // indent 0 loads unchecked
        {"xy1111111ab", {"xy", true, true, true, true, true, false, "ab"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(choicesFromRecord(recordOf(c.bytes)), c.expected) << c.bytes.toStdString();
}

TEST(PrintSettingsRules, SavingKeepsSpareAndDropsWhatTheOrderDoesNotUse)
{
    TempFolder folder;
    PrintSettingsRecord base;
    base.bytes[400] = 'Z'; // a spare byte another edition may have used
    PrintChoices c{"8", false, false, true, true, true, false, " 4"};
    const PrintSettingsRecord alpha = recordFromChoices(c, base);
    EXPECT_EQ(QByteArray(alpha.bytes.data(), 11), "8 1 1  1   ") << "no separators or headers alphabetically";
    EXPECT_EQ(alpha.bytes[400], 'Z');
    EXPECT_EQ(alpha.bytes[11], '\0') << "spare stays as read";

    c.byCategory = c.bold = c.indent = true;
    EXPECT_EQ(QByteArray(recordFromChoices(c, base).bytes.data(), 11), "8  1 11114 ");

    ASSERT_TRUE(writeSettingsRecord(recordFromChoices(c, base)).ok());
    EXPECT_EQ(TempFolder::read(kSettingsFile).size(), 508);
    EXPECT_EQ(choicesFromRecord(readSettingsRecord()), (PrintChoices{"8", true, true, true, true, true, true, "4"}));
}

TEST(PrintSettingsRules, FontSizeStepsAndIndent)
{
    const QStringList up = {"8", "10", "12", "14", "18", "8"};
    for (qsizetype i = 0; i + 1 < up.size(); ++i) {
        EXPECT_EQ(nextFontSize(up[i]), up[i + 1]);
        EXPECT_EQ(previousFontSize(up[i + 1]), up[i]);
    }
    EXPECT_EQ(nextFontSize("11"), "11");
    EXPECT_EQ(previousFontSize(""), "");

    const std::pair<PrintChoices, int> indents[] = {
        {{.indent = true, .indentText = "3"}, 3},   {{.indent = false, .indentText = "3"}, 0},
        {{.indent = true, .indentText = "2.6"}, 3}, {{.indent = true, .indentText = "-4"}, 0},
        {{.indent = true, .indentText = "ab"}, 0},
    };
    for (const auto& [choices, count] : indents)
        EXPECT_EQ(indentCount(choices), count) << choices.indentText.toStdString();
}
