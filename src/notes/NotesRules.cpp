#include "NotesRules.h"

#include "data/Cp1252.h"
#include "data/FileOps.h"
#include "data/FixedField.h"
#include "data/RecordFile.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace notes {

using data::NotesRecord;

namespace {

// Removes blanks and never-written bytes from both ends.
QString trimmedNote(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    auto filler = [](QChar c) { return c == u' ' || c == u'\0'; };
    while (begin < end && filler(text[begin]))
        ++begin;
    while (end > begin && filler(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// The note as its record holds it: trimmed, line breaks as CR LF, one byte per character.
QByteArray storedBytes(const QString& text)
{
    QString normalized = data::trimBlanks(text);
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar(u'\n'), QStringLiteral("\r\n"));
    return data::cp1252::encode(normalized);
}

// A line of the printed note that fits the page at 12 points.
constexpr int kPrintedNoteColumns = 80;
const QString kFont = QStringLiteral("Times New Roman");

} // namespace

QString readNotes(data::FileResult* failure)
{
    const data::FileBytes file = data::readFileBytes(kNotesFile, NotesRecord::LargestFile);
    if (failure)
        *failure = file.result;
    const auto records = data::recordsWithPartialTail<NotesRecord>(file.bytes);
    if (records.empty())
        return {};
    QString text = trimmedNote(records.front().get(NotesRecord::notes));
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool hasPrintableNotes(const QString& notes)
{
    const QString trimmed = data::trimBlanks(notes);
    return !trimmed.isEmpty() && trimmed.front() > QChar(u' ');
}

NotesRecord notesRecord(const QString& text)
{
    QByteArray bytes = storedBytes(text);
    if (bytes.size() > NotesRecord::Length) {
        bytes.truncate(NotesRecord::Length);
        // Half a line break would leave a lone CR at the end of the note.
        if (bytes.endsWith('\r'))
            bytes.chop(1);
    }
    NotesRecord record;
    record.bytes.fill(' ');
    std::copy(bytes.cbegin(), bytes.cend(), record.bytes.begin());
    return record;
}

qsizetype storedNoteBytes(const QString& text)
{
    return storedBytes(text).size();
}

data::FileResult writeNotes(const QString& text)
{
    // Notes on disk that could not be read were never shown: replacing them would lose them.
    if (const data::FileBytes old = data::readFileBytes(kNotesFile, NotesRecord::LargestFile); !old.result)
        return {old.result.error + QCoreApplication::translate(
                                       "notes", "\r\nThe notes were not saved, so that what the file holds is kept.")};
    if (const qsizetype used = storedNoteBytes(text); used > NotesRecord::Length) {
        return data::FileResult::failure(
            QStringLiteral("Writing"), kNotesFile,
            QCoreApplication::translate(
                "notes", "the notes take %1 bytes and only %2 fit (a line break takes two); shorten them by %3")
                .arg(used)
                .arg(NotesRecord::Length)
                .arg(used - NotesRecord::Length));
    }
    const NotesRecord record = notesRecord(text);
    return data::replaceFileSafely(kNotesFile, QByteArray(record.bytes.data(), NotesRecord::Length));
}

FittedEdit fitEdit(const QString& before, const QString& after)
{
    // The edit's new text lies between what both share at their start and at their end.
    // The end does not begin inside a character of two UTF-16 units, whose first half the
    // cut could take away; one split at the start counts as the one byte it is either way.
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    if (tail > 0 && after[after.size() - tail].isLowSurrogate())
        --tail;
    const QString start = after.left(head);
    const QString end = after.right(tail);
    const QString inserted = after.mid(head, after.size() - head - tail);

    // Each character kept can only add to the note's size, so the most that fits is found
    // by halving. Half of a character of two units takes the byte the whole one does, so the
    // most that fits never ends inside one.
    const auto fits = [&](qsizetype kept) {
        QString candidate = start;
        candidate += QStringView(inserted).left(kept);
        candidate += end;
        return storedNoteBytes(candidate) <= NotesRecord::Length;
    };
    qsizetype low = 0;
    qsizetype high = inserted.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    return {head, low, inserted.mid(low)};
}

QString leftOutMessage(const QString& leftOut)
{
    constexpr qsizetype kShown = 400;
    const QString shown = leftOut.size() > kShown ? leftOut.left(kShown) + QStringLiteral("\u2026") : leftOut;
    return QCoreApplication::translate(
               "notes", "The notes hold %1 bytes (a line break takes two), so %2 characters of what was put in "
                        "were left out:\r\n\r\n%3")
        .arg(QString::number(NotesRecord::Length), QString::number(leftOut.toUcs4().size()), shown);
}

QString usedBytesText(const QString& text)
{
    return QCoreApplication::translate("notes", "%1 of %2 bytes used")
        .arg(storedNoteBytes(text))
        .arg(NotesRecord::Length);
}

QStringList wrapNoteText(const QString& text, int columns)
{
    constexpr int kLongestLine = 255;
    columns = std::clamp(columns, 1, kLongestLine);
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar(u'\r'), QChar(u'\n'));
    QStringList lines;
    for (QString rest : normalized.split(QChar(u'\n'))) {
        do {
            if (rest.size() <= columns) {
                lines.append(rest);
                break;
            }
            // Break after the last blank that keeps the line within the width, as a
            // word-wrapping box does; the blank stays at the end of the line.
            qsizetype cut = rest.lastIndexOf(QChar(u' '), columns);
            cut = cut > 0 ? cut + 1 : columns;
            lines.append(rest.left(cut).left(kLongestLine));
            rest = rest.mid(cut);
        } while (!rest.isEmpty());
    }
    return lines;
}

ui::PrintDocument buildNotesPrintout(const QString& notes, const QDate& date)
{
    ui::PrintDocument doc(QStringLiteral("Shopping Notes"));
    doc.font(kFont, 14);
    doc.endLine().endLine().endLine();
    doc.line(QStringLiteral("Shopping Notes"));
    doc.font(kFont, 12);
    doc.line(QStringLiteral("Printed ") + QLocale::system().toString(date, QLocale::ShortFormat));
    doc.endLine();
    for (const QString& line : wrapNoteText(notes, kPrintedNoteColumns))
        doc.line(line);
    return doc;
}

} // namespace notes
