#include "print/PrintSettingsRules.h"
#include "support/Fixtures.h"

using namespace print;
using data::PrintSettingsRecord;

// Every flag blank (regular, alphabetical, no prices) and zero bytes (a first run) are the print dialog's tests.
TEST(PrintSettingsRules, RecordsLoadAsTheDialogShowsThem)
{
    const std::pair<QByteArray, PrintChoices> cases[] = {
        {"8 11        ", {"8", true, false, false, false, false, false, ""}},
        {"141  11 1 3 ", {"14", false, true, false, true, true, true, "3"}},
        {"101 1    0 ", {"10", false, false, false, false, false, false, "0"}}, // indent 0 loads unchecked
        // Sizes go to the nearest allowed one, indents to one that leaves 40 characters of line;
        // bytes that are neither show as a first run does (12, no indent).
        {"xy1111111ab", {"12", true, true, true, true, true, false, ""}},
        {"\x82\xb7"
         "1111111"
         "\x82\xb7",
         {"12", true, true, true, true, true, false, ""}},
        {"99111111199", {"12", true, true, true, true, true, true, "39"}},
        {"0 1111111ab", {"12", true, true, true, true, true, false, ""}},
        {"9 111111199", {"10", true, true, true, true, true, true, "55"}},
        {"16111111120", {"18", true, true, true, true, true, true, "12"}},
        {"7 1111111.6", {"12", true, true, true, true, true, true, "1"}},
    };
    for (const auto& [bytes, expected] : cases) {
        const auto record = data::recordsFromBytes<PrintSettingsRecord>(bytes.leftJustified(508, '\0'));
        EXPECT_EQ(choicesFromRecord(record.at(0)), expected) << bytes.toStdString();
    }
}

// The spare bytes and the file itself are shown by the print dialog's tests.
TEST(PrintSettingsRules, SavingDropsWhatTheOrderDoesNotUse)
{
    PrintChoices c{"8", false, false, true, true, true, false, " 4"};
    EXPECT_EQ(QByteArray(recordFromChoices(c, {}).bytes.data(), 11), "8 1 1  1   ")
        << "no separators or headers alphabetically";
    c.byCategory = c.bold = c.indent = true;
    EXPECT_EQ(QByteArray(recordFromChoices(c, {}).bytes.data(), 11), "8  1 11114 ");
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

TEST(PrintSettingsRules, FilesCutShortReadAsFarAsTheyGoAndLongerOnesAreLeftAlone)
{
    TempFolder folder;
    TempFolder::write(kCommentFile, QByteArray("Cash only").leftJustified(60) + "Bring bags");
    EXPECT_EQ(readCommentLines(), (QStringList{"Cash only", "Bring bags", ""}));
    // What the settings hold counts; the bytes missing read as never written.
    TempFolder::write(kSettingsFile, "14 1 1 1 3");
    EXPECT_EQ(choicesFromRecord(readSettingsRecord()), (PrintChoices{"14", true, true, true, false, false, true, "3"}));

    const QByteArray longer = QByteArray(508, 's') + "more";
    TempFolder::write(kSettingsFile, longer);
    data::FileResult failure;
    readSettingsRecord(&failure);
    EXPECT_EQ(failure.error, "Reading pantlpt.cfg failed: the file is larger than it can be (512 bytes; at most 508)");
    EXPECT_EQ(writeSettingsRecord({}).error, failure.error);
    EXPECT_EQ(TempFolder::read(kSettingsFile), longer);
}
