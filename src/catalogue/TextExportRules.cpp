#include "TextExportRules.h"

#include "data/Cp1252.h"
#include "data/FixedField.h"

#include <QLocale>

namespace catalogue {

namespace {
const QString kTxt = QStringLiteral(".txt");

bool endsTheCommand(const QString& answer)
{
    return data::trimBlanks(answer).isEmpty() || answer == kTxt;
}
} // namespace

QString exportDate(const QDate& date)
{
    // English month names, whatever the system's language, as the files always had them.
    return QLocale::c().toString(date, QStringLiteral("MMM dd"));
}

QByteArray textFileBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += data::cp1252::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

QStringList shoppingListExportLines(const QStringList& rows, const QString& totalText, const QDate& date)
{
    QStringList lines = rows;
    lines << QStringLiteral("  ") << QStringLiteral("Pantrix Shopping List ") + exportDate(date)
          << data::trimBlanks(totalText);
    return lines;
}

QStringList categoryExportLines(const QStringList& categories, const QDate& date)
{
    QStringList lines = categories;
    lines << QStringLiteral("  ") << QStringLiteral("Pantrix Categories List ") + exportDate(date);
    return lines;
}

ExportName listExportName(const QString& answer)
{
    if (endsTheCommand(answer))
        return {};
    if (answer.contains(u'.'))
        return {ExportName::Outcome::Refused, {}};
    return {ExportName::Outcome::Accepted, answer + kTxt};
}

ExportName categoryExportName(const QString& answer)
{
    if (endsTheCommand(answer))
        return {};
    if (answer.contains(u'.') && !answer.endsWith(kTxt))
        return {ExportName::Outcome::Refused, {}};
    return {ExportName::Outcome::Accepted, answer.contains(kTxt) ? answer : answer + kTxt};
}

} // namespace catalogue
