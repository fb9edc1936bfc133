#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

// The plain text files the Shopping List and the category list are saved as.
namespace catalogue {

// "Dec 05": the date as the headings of the text files show it.
QString exportDate(const QDate& date);

// The lines of a text file: Windows-1252, each line ended by a carriage return and a line feed.
QByteArray textFileBytes(const QStringList& lines);

// The Shopping List as shown, a line of two blanks, the heading with the date and the total last.
QStringList shoppingListExportLines(const QStringList& rows, const QString& totalText, const QDate& date);
// The categories, a line of two blanks and the heading with the date.
QStringList categoryExportLines(const QStringList& categories, const QDate& date);

// What became of a file name typed for an export.
struct ExportName
{
    enum class Outcome { Cancelled, Refused, Accepted } outcome = Outcome::Cancelled;
    QString fileName; // with ".txt", when accepted
};

// The Shopping List export: no extension may be typed; ".txt" is appended.
ExportName listExportName(const QString& answer);
// The category export: a name may end in ".txt" (exactly); any other extension is refused.
ExportName categoryExportName(const QString& answer);

} // namespace catalogue
