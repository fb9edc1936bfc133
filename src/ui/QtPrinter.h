#pragma once

#include "Printer.h"

#include <QDateTime>
#include <QFont>
#include <QPointF>

#include <vector>

#include <functional>

class QPrinter;

namespace ui {

// Prints on the system's default printer without a dialog. The environment variable
// PANTRIX_PRINTER names another printer, or reads "pdf" to always save a PDF. With no
// printer installed the printout is saved as a PDF in Printouts/ in the working folder.
class QtPrinter : public Printer
{
public:
    // Whether a print queue takes jobs now, as the print system says.
    enum class Acceptance { Accepting, NotAccepting, Unknown };
    using AcceptanceQuery = std::function<Acceptance(const QString& queue)>;

    // query: asks the print system about a queue (by default CUPS, through lpstat).
    explicit QtPrinter(AcceptanceQuery query = askCups);

    PrintOutcome print(const PrintDocument& document, const PrintProgress& progress = {}) override;
    PrintOutcome printToPdf(const PrintDocument& document, const PrintProgress& progress = {}) override;

    // What `lpstat -a <queue>` answered (its exit code and output) says of the queue.
    static Acceptance acceptanceFrom(const QString& queue, int exitCode, const QByteArray& output);
    // Runs lpstat for the queue, for a second at most; Unknown when it cannot be asked.
    static Acceptance askCups(const QString& queue);

    // Lays the document out on a printer that is set up (a real one, a PDF, a preview):
    // character column n is n average character widths of the current font from the left
    // margin (in its regular weight); text that would pass the right margin goes on below from
    // the column it began at; a line that would pass the bottom margin goes to a new page,
    // which begins with the page heading. The progress is told at every page; when it answers
    // false, painting stops and the outcome is cancelled. The outcome's error says why it
    // failed.
    static PrintOutcome paint(const PrintDocument& document, QPrinter& printer, const PrintProgress& progress = {});
    // Where paint() puts each run of text: the page (from 0), its baseline's start and its
    // width, in device pixels from the top left of the margins.
    struct PlacedRun
    {
        int page = 0;
        QPointF at;
        double width = 0;
        QString text;
        QFont font;
    };
    static std::vector<PlacedRun> layOut(const PrintDocument& document, QPrinter& printer);
    // Sets the margins and the document name every printout uses.
    static void prepare(QPrinter& printer, const PrintDocument& document);
    // The relative path a printout made at that moment is saved under, one not yet taken:
    // "Printouts/Shopping List 2026-12-06 10.45.12.pdf".
    static QString pdfPath(const QString& documentName, const QDateTime& moment);

private:
    PrintOutcome printOn(const QString& queue, const PrintDocument& document, const PrintProgress& progress);

    AcceptanceQuery acceptance_;
};

} // namespace ui
