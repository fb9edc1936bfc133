#include "LogPrintout.h"

namespace shoplog {

using data::LogRecord;

namespace {

const QString kFont = QStringLiteral("Times New Roman");

void heading(ui::PrintDocument& doc, const QDate& today)
{
    doc.endLine().endLine().endLine();
    doc.font(kFont, 14).line(QStringLiteral("Pantrix Shopping List"));
    doc.font(kFont, 12).line(QStringLiteral("Expense Log   Printed ") + today.toString(QStringLiteral("dd-MM-yyyy")));
    doc.endLine();
    doc.text(QStringLiteral("List")).tab(30).text(QStringLiteral("Entry Date")).tab(38).text(QStringLiteral("Coupons"));
    doc.tab(46).text(QStringLiteral("Net")).tab(54).text(QStringLiteral("Comments")).endLine();
    doc.endLine();
}

} // namespace

ui::PrintDocument logPrintout(const std::vector<LogRecord>& records, const QDate& today, const LogFigures& shown)
{
    ui::PrintDocument doc(QStringLiteral("Expense Log"));
    // The printer repeats the heading on every page it begins, after 40 entries or sooner
    // when the paper holds fewer.
    doc.font(kFont, 12).beginHeading();
    heading(doc, today);
    doc.endHeading().pageLines(kEntriesPerPage);
    doc.reserve(records.size() * 10 + 16);
    for (const LogRecord& r : records) {
        doc.text(r.text(LogRecord::listname)).tab(30).text(r.text(LogRecord::entrydate));
        doc.tab(38).text(r.get(LogRecord::coupons)).tab(46).text(r.get(LogRecord::total));
        doc.tab(54).text(r.text(LogRecord::comment)).endLine();
    }
    // The figures stay on the last page where it holds them.
    doc.pageLines(0).endLine().endLine();
    doc.line(QStringLiteral("Coupons: ") + shown.coupontot);
    doc.line(QStringLiteral("Average: ") + shown.couponavg);
    doc.endLine();
    doc.line(QStringLiteral("Net: ") + shown.nettot);
    doc.line(QStringLiteral("Average: ") + shown.netavg);
    return doc;
}

} // namespace shoplog
