#include "PrintSettingsRules.h"

#include "data/FileOps.h"
#include "data/Numbers.h"
#include "data/RecordFile.h"

#include <algorithm>
#include <cmath>

namespace print {

using data::PrintNoteRecord;
using data::PrintSettingsRecord;

namespace {

const QString kOn = QStringLiteral("1");
const QString kOff = QStringLiteral(" ");

bool isOn(const PrintSettingsRecord& record, data::FixedField field)
{
    // Anything but blanks is on: a flag never written (zero bytes, as in the record a first
    // run reads) is on too, which is why a first run starts with every option on.
    return !record.get(field).trimmed().isEmpty();
}

// Replaces a file of a fixed number of records. One that cannot be read, or holds more than
// those records, is left as it is: it is not what this program wrote, and may be the user's.
data::FileResult replaceRecords(const QString& file, const QByteArray& records)
{
    if (const data::FileBytes old = data::readFileBytes(file, records.size()); !old.result)
        return old.result;
    return data::replaceFileSafely(file, records);
}

const QStringList kSizes = {QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14"),
                            QStringLiteral("18")};

} // namespace

QString shownText(const QString& field)
{
    return data::isBlankOrUnwritten(field) ? QString() : data::trimBlanks(field);
}

PrintSettingsRecord readSettingsRecord(data::FileResult* failure)
{
    const data::FileBytes file = data::readFileBytes(kSettingsFile, PrintSettingsRecord::LargestFile);
    if (failure)
        *failure = file.result;
    const auto records = data::recordsWithPartialTail<PrintSettingsRecord>(file.bytes);
    return records.empty() ? PrintSettingsRecord{} : records.front();
}

PrintChoices choicesFromRecord(const PrintSettingsRecord& record)
{
    PrintChoices c;
    c.fontSize = allowedFontSize(shownText(record.get(PrintSettingsRecord::fontsize)));
    // Of a pair, the later option set on wins; neither on leaves the default side.
    c.bold = isOn(record, PrintSettingsRecord::boldflag);
    c.byCategory = isOn(record, PrintSettingsRecord::categoryflag);
    c.price = isOn(record, PrintSettingsRecord::priceflag);
    c.separators = isOn(record, PrintSettingsRecord::separatorflag);
    c.headers = isOn(record, PrintSettingsRecord::headerflag);
    c.indentText = shownText(record.get(PrintSettingsRecord::indentwidth));
    if (!data::isNumber(c.indentText)) {
        c.indentText.clear();
    } else if (const double indent = std::round(data::parseLenient(c.indentText)); indent > 0) {
        c.indentText = QString::number(std::min(int(std::min(indent, 99.0)), largestIndent(c.fontSize.toDouble())));
    }
    c.indent = data::parseLenient(c.indentText) > 0;
    return c;
}

PrintSettingsRecord recordFromChoices(const PrintChoices& c, PrintSettingsRecord base)
{
    auto flag = [](bool on) { return on ? kOn : kOff; };
    base.set(PrintSettingsRecord::fontsize, c.fontSize.left(2));
    base.set(PrintSettingsRecord::regularflag, flag(!c.bold));
    base.set(PrintSettingsRecord::boldflag, flag(c.bold));
    base.set(PrintSettingsRecord::alphaflag, flag(!c.byCategory));
    base.set(PrintSettingsRecord::categoryflag, flag(c.byCategory));
    base.set(PrintSettingsRecord::separatorflag, flag(c.separators && c.byCategory));
    base.set(PrintSettingsRecord::priceflag, flag(c.price));
    base.set(PrintSettingsRecord::headerflag, flag(c.headers && c.byCategory));
    base.set(PrintSettingsRecord::indentwidth, c.indent ? data::trimBlanks(c.indentText) : QString());
    return base;
}

data::FileResult writeSettingsRecord(const PrintSettingsRecord& record)
{
    return replaceRecords(kSettingsFile, QByteArray(record.bytes.data(), PrintSettingsRecord::Length));
}

QStringList readCommentLines(data::FileResult* failure)
{
    const data::FileBytes file = data::readFileBytes(kCommentFile, PrintNoteRecord::LargestFile);
    if (failure)
        *failure = file.result;
    auto records = data::recordsWithPartialTail<PrintNoteRecord>(file.bytes);
    records.resize(3);
    QStringList lines;
    for (const PrintNoteRecord& r : records)
        lines.append(shownText(r.get(PrintNoteRecord::commentline)));
    return lines;
}

data::FileResult writeCommentLines(const QStringList& lines)
{
    std::vector<PrintNoteRecord> records(3);
    for (int i = 0; i < 3; ++i) {
        // Every record is written, so none is left as zero bytes.
        records[size_t(i)].set(PrintNoteRecord::commentline, i < lines.size() ? data::trimBlanks(lines[i]) : QString());
    }
    return replaceRecords(kCommentFile, data::bytesFromRecords(records));
}

QString nextFontSize(const QString& size)
{
    const qsizetype at = kSizes.indexOf(size);
    return at < 0 ? size : kSizes[(at + 1) % kSizes.size()];
}

QString previousFontSize(const QString& size)
{
    const qsizetype at = kSizes.indexOf(size);
    return at < 0 ? size : kSizes[(at + kSizes.size() - 1) % kSizes.size()];
}

QString allowedFontSize(const QString& text)
{
    if (!data::isNumber(text))
        return QStringLiteral("12");
    const double size = data::parseLenient(text);
    if (size < 8 || size > 18)
        return QStringLiteral("12");
    QString nearest = kSizes.front();
    for (const QString& allowed : kSizes) {
        if (std::abs(allowed.toDouble() - size) <= std::abs(nearest.toDouble() - size))
            nearest = allowed;
    }
    return nearest;
}

int largestIndent(double points)
{
    // The printable width of A4 within the half-inch margins, in points, and the printer's
    // character column: the average character width of Liberation Serif ("Times New
    // Roman"), 1124/2048 of the size.
    constexpr double kLineWidth = (210.0 - 2 * 12.7) / 25.4 * 72;
    constexpr double kColumn = 1124.0 / 2048;
    if (points <= 0)
        points = 12;
    return std::clamp(int(kLineWidth / (kColumn * points)) - 40, 0, 99);
}

int indentCount(const PrintChoices& choices)
{
    if (!choices.indent)
        return 0;
    const double value = std::round(data::parseLenient(choices.indentText));
    return value > 0 ? int(value) : 0;
}

} // namespace print
