#include "QtPrinter.h"

#include "data/FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>

#include <algorithm>

namespace ui {

namespace {

const QString kFolder = QStringLiteral("Printouts");

// Whether a PDF the engine wrote is whole: it ends with the end-of-file mark. The engine
// itself says nothing when the disk fills under it.
bool isWholePdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return false;
    file.seek(std::max<qint64>(0, file.size() - 32));
    return file.read(32).contains("%%EOF");
}

QFont fontFor(const PrintDocument::Op& op)
{
    QFont font(op.text);
    font.setPointSizeF(op.size > 0 ? op.size : 12);
    font.setBold(op.bold);
    // Where the family is missing, the system substitutes a font of the same kind.
    if (op.text.contains(QLatin1String("Times"), Qt::CaseInsensitive))
        font.setStyleHint(QFont::Serif);
    return font;
}

// Where the next text goes on the page, in device pixels from the top left of the margins.
class Layout
{
public:
    Layout(QPainter& painter, QPrinter& printer)
        : painter_(painter)
        , printer_(printer)
        , metrics_(painter.font(), &printer)
        , column_(metrics_.averageCharWidth())
    {
    }

    void setFont(const QFont& font)
    {
        painter_.setFont(font);
        metrics_ = QFontMetricsF(font, &printer_);
        // Columns are measured in the regular weight, so that a bold heading's columns
        // stand over the same columns of the lines below it.
        QFont regular = font;
        regular.setBold(false);
        column_ = QFontMetricsF(regular, &printer_).averageCharWidth();
    }

    bool text(const QString& run)
    {
        if (!startLine())
            return false;
        painter_.drawText(QPointF(x_, y_ + metrics_.ascent()), run);
        x_ += metrics_.horizontalAdvance(run);
        return true;
    }

    bool tab(int column)
    {
        const double target = column * column_;
        if (x_ > target && !endLine())
            return false;
        if (!startLine())
            return false;
        x_ = target;
        return true;
    }

    bool endLine()
    {
        if (!startLine())
            return false;
        y_ += lineHeight_;
        x_ = 0;
        open_ = false;
        return true;
    }

    bool newPage()
    {
        if (!printer_.newPage())
            return false;
        x_ = y_ = 0;
        open_ = false;
        return true;
    }

private:
    // A line begins with the first thing put on it; it goes to a new page when it would
    // pass the bottom margin.
    bool startLine()
    {
        if (open_) {
            lineHeight_ = std::max(lineHeight_, metrics_.lineSpacing());
            return true;
        }
        lineHeight_ = metrics_.lineSpacing();
        if (y_ > 0 && y_ + lineHeight_ > printer_.height() && !newPage())
            return false;
        open_ = true;
        return true;
    }

    QPainter& painter_;
    QPrinter& printer_;
    QFontMetricsF metrics_;
    double column_; // width of one character column
    double x_ = 0;
    double y_ = 0;
    double lineHeight_ = 0;
    bool open_ = false;
};

} // namespace

void QtPrinter::prepare(QPrinter& printer, const PrintDocument& document)
{
    printer.setDocName(document.name());
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QString QtPrinter::paint(const PrintDocument& document, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("The printer could not be started.");
    Layout layout(painter, printer);
    bool ok = true;
    for (const PrintDocument::Op& op : document.ops()) {
        switch (op.kind) {
        case PrintDocument::Op::Kind::Font:
            layout.setFont(fontFor(op));
            break;
        case PrintDocument::Op::Kind::Text:
            ok = layout.text(op.text);
            break;
        case PrintDocument::Op::Kind::Tab:
            ok = layout.tab(op.column);
            break;
        case PrintDocument::Op::Kind::EndLine:
            ok = layout.endLine();
            break;
        case PrintDocument::Op::Kind::NewPage:
            ok = layout.newPage();
            break;
        }
        if (!ok)
            break;
    }
    painter.end();
    if (!ok || printer.printerState() == QPrinter::Error)
        return QStringLiteral("The printer stopped before the printout was complete.");
    return {};
}

QString QtPrinter::pdfPath(const QString& documentName, const QDateTime& moment)
{
    const QString stem = kFolder + QLatin1Char('/') + documentName + QLatin1Char(' ') +
                         moment.toString(QStringLiteral("yyyy-MM-dd hh.mm.ss"));
    QString path = stem + QStringLiteral(".pdf");
    for (int n = 2; QFile::exists(path); ++n)
        path = stem + QStringLiteral(" (%1).pdf").arg(n);
    return path;
}

QtPrinter::QtPrinter(AcceptanceQuery query)
    : acceptance_(std::move(query))
{
}

QtPrinter::Acceptance QtPrinter::acceptanceFrom(const QString& queue, int exitCode, const QByteArray& output)
{
    // "<queue> accepting requests since …" or "<queue> not accepting requests since …".
    if (exitCode != 0)
        return Acceptance::Unknown;
    const QString answer = QString::fromLocal8Bit(output).trimmed();
    if (answer.startsWith(queue + QStringLiteral(" not accepting")))
        return Acceptance::NotAccepting;
    if (answer.startsWith(queue + QStringLiteral(" accepting")))
        return Acceptance::Accepting;
    return Acceptance::Unknown;
}

QtPrinter::Acceptance QtPrinter::askCups(const QString& queue)
{
    // Qt tells whether a queue is stopped, not whether it takes jobs, and hands a job to CUPS
    // without looking at the answer; lpstat knows.
    QProcess lpstat;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // its words are read below
    lpstat.setProcessEnvironment(environment);
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-a"), queue});
    if (!lpstat.waitForFinished(1000)) {
        lpstat.kill();
        lpstat.waitForFinished(100);
        return Acceptance::Unknown;
    }
    if (lpstat.exitStatus() != QProcess::NormalExit)
        return Acceptance::Unknown;
    return acceptanceFrom(queue, lpstat.exitCode(), lpstat.readAllStandardOutput());
}

PrintOutcome QtPrinter::print(const PrintDocument& document)
{
    const QString wanted = qEnvironmentVariable("PANTRIX_PRINTER");
    if (wanted.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return printToPdf(document);
    if (!wanted.isEmpty()) {
        if (QPrinterInfo::printerInfo(wanted).isNull())
            return {QStringLiteral("The printer %1 is not installed.").arg(wanted), {}};
        return printOn(wanted, document);
    }
    // The printer Qt would take: the default one, else the first there is.
    QString queue = QPrinterInfo::defaultPrinterName();
    if (queue.isEmpty())
        queue = QPrinterInfo::availablePrinterNames().value(0);
    if (queue.isEmpty()) {
        PrintOutcome outcome = printToPdf(document);
        outcome.noPrinter = true;
        return outcome;
    }
    return printOn(queue, document);
}

PrintOutcome QtPrinter::printOn(const QString& queue, const PrintDocument& document)
{
    PrintOutcome refused{QStringLiteral("The printer %1 is not accepting jobs.").arg(queue), {}};
    refused.refused = true;
    if (acceptance_(queue) == Acceptance::NotAccepting)
        return refused;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue);
    prepare(printer, document);
    if (QString error = paint(document, printer); !error.isEmpty())
        return {error, {}};
    // A queue that stopped taking jobs while this one was sent refused it; Qt would not say.
    if (acceptance_(queue) == Acceptance::NotAccepting) {
        refused.error =
            QStringLiteral("The printer %1 did not accept the printout: it is not accepting jobs.").arg(queue);
        return refused;
    }
    return {};
}

PrintOutcome QtPrinter::printToPdf(const PrintDocument& document)
{
    // Named in full, so that the user knows where to look or what to put right.
    const QString folder = QDir::current().absoluteFilePath(kFolder);
    if (!QDir().mkpath(kFolder)) {
        const QString why =
            QFileInfo(kFolder).exists() ? QStringLiteral(": a file of that name is in the way") : QString();
        return {QStringLiteral("The folder %1 for printouts could not be made%2.").arg(folder, why), {}};
    }
    const QString savedAs = pdfPath(document.name(), QDateTime::currentDateTime());
    const QString target = QDir::current().absoluteFilePath(savedAs);
    // The engine writes a file beside the printout's name, which takes the printout's
    // name only once it is whole and on the disk.
    const data::Temporary temporary = data::createTemporaryBeside(target);
    if (!temporary.result)
        return {temporary.result.error, {}};
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir::current().absoluteFilePath(temporary.name));
    prepare(printer, document);
    QString error = paint(document, printer);
    if (error.isEmpty() && !isWholePdf(temporary.name))
        error = data::FileResult::failure(QStringLiteral("Writing"), target,
                                          QStringLiteral("the printout could not be written completely"))
                    .error;
    if (!error.isEmpty()) {
        QFile::remove(temporary.name); // no half-written printout is left behind
        return {error, {}};
    }
    if (const data::FileResult moved = data::moveTemporaryInPlace(temporary.name, target); !moved)
        return {moved.error, {}};
    return {{}, savedAs};
}

} // namespace ui
