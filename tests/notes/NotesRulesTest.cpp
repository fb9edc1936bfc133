#include "notes/NotesRules.h"
#include "support/Fixtures.h"

#include <QLocale>

using namespace notes;
using data::NotesRecord;

TEST(NotesRules, SavedNotesKeepTheirLinesAndLoseOuterBlanks)
{
    TempFolder folder;
    EXPECT_EQ(readNotes(), "") << "no file";
    ASSERT_TRUE(writeNotes("  Milk\nEggs  and  ham\n\nCall Jo  ").ok());
    EXPECT_EQ(TempFolder::read(kNotesFile), QByteArray("Milk\r\nEggs  and  ham\r\n\r\nCall Jo").leftJustified(3000));
    EXPECT_EQ(readNotes(), "Milk\nEggs  and  ham\n\nCall Jo");

    for (const QByteArray& empty : {QByteArray(3000, ' '), QByteArray(3000, '\0'), QByteArray()}) {
        TempFolder::write(kNotesFile, empty);
        EXPECT_EQ(readNotes(), "");
    }
}

TEST(NotesRules, LongNotesAreCutAt3000BytesNeverInsideALineBreak)
{
    const QString line = QString(2999, 'a');
    const std::pair<QString, QByteArray> cases[] = {
        // text, its last two bytes
        {QString(3100, 'b'), "bb"},
        {line + "\nx", "a "},             // the CR would be the last byte: it goes, the LF too
        {line + "c\nx", "ac"},            // the break starts beyond the cut
        {"é" + QString(2999, 'd'), "dd"}, // one byte per character of the code page
    };
    for (const auto& [text, tail] : cases)
        EXPECT_EQ(QByteArray(notesRecord(text).bytes.data() + 2998, 2), tail) << text.right(3).toStdString();
}

TEST(NotesRules, PrintableNotesAndTheirLines)
{
    const std::pair<QString, bool> printable[] = {
        {"Milk", true}, {"  Milk", true}, {"", false}, {"   ", false}, {QString(3, QChar(0)), false}, {"\tTab", false}};
    for (const auto& [text, expected] : printable)
        EXPECT_EQ(hasPrintableNotes(text), expected) << text.toStdString();

    EXPECT_EQ(wrapNoteText("one two three four", 9), (QStringList{"one two ", "three ", "four"}));
    EXPECT_EQ(wrapNoteText("abcdefghij\r\nxy\n", 4), (QStringList{"abcd", "efgh", "ij", "xy", ""}));
    EXPECT_EQ(wrapNoteText(QString(300, 'z'), 1000).first().size(), 255);

    const QDate date(2026, 12, 5);
    EXPECT_EQ(buildNotesPrintout("Milk\nEggs", date).asText(),
              (QStringList{"{Times New Roman 14}", "", "", "Shopping Notes",
                           "{Times New Roman 12}Printed " + QLocale::system().toString(date, QLocale::ShortFormat), "",
                           "Milk", "Eggs"}));
}
