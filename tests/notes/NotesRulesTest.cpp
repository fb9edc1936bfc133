#include "notes/NotesRules.h"
#include "support/Fixtures.h"

#include <QFile>
#include <QLocale>

using namespace notes;
using data::NotesRecord;

TEST(NotesRules, SavedNotesAreCutAt3000BytesAndThoseUnreadAreNeverReplaced)
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

    const QByteArray tooLong(3001, 'n');
    TempFolder::write(kNotesFile, tooLong);
    data::FileResult failure;
    EXPECT_EQ(readNotes(&failure), "");
    EXPECT_EQ(failure.error,
              "Reading pantnotes.dat failed: the file is larger than it can be (3001 bytes; at most 3000)");
    EXPECT_EQ(writeNotes("New").error,
              failure.error + "\r\nThe notes were not saved, so that what the file holds is kept.");
    EXPECT_EQ(TempFolder::read(kNotesFile), tooLong);
    QFile::remove(kNotesFile);
    EXPECT_EQ(writeNotes(QString(2999, 'a') + "\n").error,
              "Writing pantnotes.dat failed: the notes take 3001 bytes and only 3000 fit (a line break takes two); "
              "shorten them by 1");
    EXPECT_FALSE(TempFolder::exists(kNotesFile));
}

TEST(NotesRules, TheBoxKeepsOfAnEditWhatFitsAndPrintableNotesAndTheirLines)
{
    EXPECT_EQ(storedNoteBytes("  \u00e9\n\U0001F600\r\n\u20ac  "), 7) << "trimmed, CR LF, one byte each";
    const QString full(2990, 'a');
    const QString smile = "\U0001F600";
    const std::tuple<QString, QString, qsizetype, qsizetype, QString> cases[] = {
        // before, after, where the edit's text begins, how much of it is kept, what is left out
        {full, full + "0123456789AB", 2990, 10, "AB"},
        {"x" + full, "x0123456789AB" + full, 1, 9, "9AB"},           // in the middle: the note's end stays
        {"x" + full, "0123456789AB" + full, 0, 10, "AB"},            // over a selection
        {full, full + "12345678\nz", 2990, 9, "z"},                  // a line break takes two
        {full, full + "123456789" + smile + smile, 2990, 11, smile}, // one byte each, never half
        {full + "12345678" + smile, full + "12345678xyz\U0001F200", 2998, 2, "z\U0001F200"},
        {full + full, full + full + "b", 5980, 0, "b"}, // too long already, from elsewhere
    };
    for (const auto& [before, after, at, kept, leftOut] : cases) {
        const FittedEdit fit = fitEdit(before, after);
        EXPECT_EQ(std::tuple(fit.insertedAt, fit.kept, fit.leftOut), std::tuple(at, kept, leftOut));
    }

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
