#include "QtPrinter.h"

#include "data/FileOps.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

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

PrintOutcome QtPrinter::print(const PrintDocument& document)
{
    const QString wanted = qEnvironmentVariable("PANTRIX_PRINTER");
    bool toPdf = wanted.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    QPrinter printer(QPrinter::HighResolution);
    if (!toPdf) {
        if (!wanted.isEmpty()) {
            if (QPrinterInfo::printerInfo(wanted).isNull())
                return {QStringLiteral("The printer %1 is not installed.").arg(wanted), {}};
            printer.setPrinterName(wanted);
        } else if (QPrinterInfo::availablePrinters().isEmpty()) {
            toPdf = true;
        }
    }
    QString savedAs;
    data::Temporary temporary;
    if (toPdf) {
        if (!QDir().mkpath(kFolder))
            return {QStringLiteral("The folder %1 could not be created.").arg(kFolder), {}};
        savedAs = pdfPath(document.name(), QDateTime::currentDateTime());
        // The engine writes a file beside the printout's name, which takes the printout's
        // name only once it is whole and on the disk.
        temporary = data::createTemporaryBeside(savedAs);
        if (!temporary.result)
            return {temporary.result.error, {}};
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir::current().absoluteFilePath(temporary.name));
    }
    prepare(printer, document);
    QString error = paint(document, printer);
    if (!toPdf)
        return {error, {}};
    if (error.isEmpty() && !isWholePdf(temporary.name))
        error = data::FileResult::failure(QStringLiteral("Writing"), savedAs,
                                          QStringLiteral("the printout could not be written completely"))
                    .error;
    if (!error.isEmpty()) {
        QFile::remove(temporary.name); // no half-written printout is left behind
        return {error, {}};
    }
    if (const data::FileResult moved = data::moveTemporaryInPlace(temporary.name, savedAs); !moved)
        return {moved.error, {}};
    return {{}, savedAs};
}

} // namespace ui
