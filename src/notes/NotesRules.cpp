#include "NotesRules.h"

#include "data/Cp1252.h"
#include "data/FileOps.h"
#include "data/FixedField.h"
#include "data/RecordFile.h"

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

// A line of the printed note that fits the page at 12 points.
constexpr int kPrintedNoteColumns = 80;
const QString kFont = QStringLiteral("Times New Roman");

} // namespace

QString readNotes()
{
    // Notes that cannot be read show as no notes; saving them tells what fails.
    const auto records = data::recordsFromBytes<NotesRecord>(data::readFileBytes(kNotesFile).bytes);
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
    QString normalized = data::trimBlanks(text);
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar(u'\n'), QStringLiteral("\r\n"));
    QByteArray bytes = data::cp1252::encode(normalized);
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

data::FileResult writeNotes(const QString& text)
{
    const NotesRecord record = notesRecord(text);
    return data::replaceFileSafely(kNotesFile, QByteArray(record.bytes.data(), NotesRecord::Length));
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
