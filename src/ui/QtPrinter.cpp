#include "QtPrinter.h"

#include "data/FileOps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QLibrary>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRawFont>
#include <QTemporaryFile>

#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <vector>

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
    // "Playbill", the footer's poster face, ships with few systems; the footer is then
    // printed in Liberation Serif Bold (fonts-liberation2, which the program depends on), a
    // heavy serif nearer to its look than the plain face the system would pick.
    static const bool hasPlaybill = QFontDatabase::hasFamily(QStringLiteral("Playbill"));
    const bool playbill = op.text.compare(QLatin1String("Playbill"), Qt::CaseInsensitive) == 0;
    QFont font(playbill && !hasPlaybill ? QStringLiteral("Liberation Serif") : op.text);
    font.setPointSizeF(op.size > 0 ? op.size : 12);
    font.setBold(op.bold || (playbill && !hasPlaybill));
    // Where the family is missing, the system substitutes a font of the same kind ("Times
    // New Roman" is Liberation Serif, of the same metrics, through fontconfig).
    if (op.text.contains(QLatin1String("Times"), Qt::CaseInsensitive))
        font.setStyleHint(QFont::Serif);
    return font;
}

// Sends a finished job file to a CUPS queue as Qt's own print engine does (the paper named;
// the rest as the queue is set up). libcups is there wherever Qt can print to a printer;
// it is looked up when needed rather than linked, as Qt itself does not expose it.
QString sendToCups(const QString& queue, const QString& file, const QString& title, const QString& media)
{
    struct Option
    {
        const char* name;
        const char* value;
    };
    using PrintFile = int (*)(const char* queue, const char* file, const char* title, int count, Option* options);
    using LastError = const char* (*)();
    QLibrary cups(QStringLiteral("cups"), 2);
    const auto printFile = reinterpret_cast<PrintFile>(cups.resolve("cupsPrintFile"));
    const auto lastError = reinterpret_cast<LastError>(cups.resolve("cupsLastErrorString"));
    if (!printFile)
        return QCoreApplication::translate("ui::QtPrinter", "The printer %1 could not be reached: %2")
            .arg(queue, cups.errorString());
    // CUPS takes the queue's name without an instance ("Office/duplex" is queue Office).
    const QByteArray name = queue.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray path = QFile::encodeName(file);
    const QByteArray caption = title.toLocal8Bit();
    const QByteArray paper = media.toLocal8Bit();
    Option options[] = {{"media", paper.constData()}};
    if (printFile(name.constData(), path.constData(), caption.constData(), 1, options) > 0)
        return {};
    const QString why = lastError ? QString::fromLocal8Bit(lastError()) : QString();
    return why.isEmpty()
               ? QCoreApplication::translate("ui::QtPrinter", "The printer %1 did not take the printout.").arg(queue)
               : QCoreApplication::translate("ui::QtPrinter", "The printer %1 did not take the printout: %2")
                     .arg(queue, why);
}

// Measures and draws runs of text in the printer's fonts. Most of a large printout's time
// went into shaping every run twice, once to measure it and once to draw it. Text of the
// Latin scripts needs no shaping beyond the font's glyphs and its kerning pairs, so such
// runs are measured from a table of the font's glyphs and drawn as those glyphs at those
// places, where the shaper would put them; any other text is shaped as before.
class RunShaper
{
public:
    explicit RunShaper(QPaintDevice* device)
        : device_(device)
    {
    }

    void setFont(const QFont& font)
    {
        for (Face& face : faces_) {
            if (face.font == font) {
                current_ = &face;
                return;
            }
        }
        faces_.emplace_back(font, device_);
        current_ = &faces_.back();
    }

    const QFontMetricsF& metrics() const { return current_->metrics; }

    double width(const QString& run)
    {
        if (run.isEmpty())
            return 0;
        if (!glyphsOf(run))
            return current_->metrics.horizontalAdvance(run);
        double sum = 0;
        for (const QPointF& advance : advances_)
            sum += advance.x();
        return sum;
    }

    // Draws the run with its baseline starting at the point, in the current font. Glyphs
    // wait to be drawn together, a page's worth in one font at a time: each run drawn on
    // its own cost the PDF engine more than its glyphs. flush() draws what waits; call it
    // before the page turns and before painting ends.
    void draw(QPainter& painter, const QPointF& baseline, const QString& run)
    {
        // Only a PDF takes glyphs as they are; a preview records text and would draw the
        // glyphs as outlines.
        if (painter.paintEngine()->type() != QPaintEngine::Pdf || !glyphsOf(run)) {
            flush(painter);
            if (painter.font() != current_->font)
                painter.setFont(current_->font);
            painter.drawText(baseline, run);
            return;
        }
        if (waiting_ != current_)
            flush(painter);
        waiting_ = current_;
        // The records' fields come padded with blanks, which print nothing: a blank is put
        // in only where it stands alone between two words, so that text copied from the PDF
        // reads as printed.
        QPointF at = baseline;
        bool inked = false;
        for (size_t i = 0; i < advances_.size(); ++i) {
            const bool blank = run[qsizetype(i)] == u' ';
            if (!blank ||
                (inked && run[qsizetype(i) - 1] != u' ' && i + 1 < advances_.size() && run[qsizetype(i) + 1] != u' ')) {
                drawn_.push_back(glyphs_[i]);
                positions_.push_back(at);
                inked = true;
            }
            at.rx() += advances_[i].x();
        }
    }

    void flush(QPainter& painter)
    {
        if (!drawn_.empty()) {
            QGlyphRun glyphs;
            glyphs.setRawFont(waiting_->raw);
            glyphs.setRawData(drawn_.data(), positions_.data(), int(drawn_.size()));
            painter.drawGlyphRun(QPointF(), glyphs);
        }
        drawn_.clear();
        positions_.clear();
        waiting_ = nullptr;
    }

private:
    static constexpr quint32 kUnknown = 0xffffffff; // not looked up yet
    static constexpr quint32 kShaped = 0;           // shaped text: the font has no glyph, or the
                                                    // character needs more than a glyph
    // The characters taken from the table: Latin letters, punctuation and currency signs,
    // none of which combines with its neighbours or is invisible.
    static bool plain(char16_t c)
    {
        return (c >= 0x20 && c < 0x250 && c != 0x7f && !(c >= 0x80 && c < 0xa0) && c != 0xad) ||
               (c >= 0x2010 && c < 0x2028) || (c >= 0x2030 && c < 0x203b) || (c >= 0x20a0 && c < 0x20c0) || c == 0x2122;
    }

    struct Face
    {
        Face(const QFont& requested, QPaintDevice* device)
            : font(requested)
            , metrics(requested, device)
            , raw(QRawFont::fromFont(QFont(requested, device)))
        {
            glyphs.fill(kUnknown);
        }
        QFont font;
        QFontMetricsF metrics;
        QRawFont raw;
        std::array<quint32, 0x2123> glyphs;
    };

    // The run's glyphs and kerned advances, when every character is in the table.
    bool glyphsOf(const QString& run)
    {
        if (run.isEmpty() || !current_->raw.isValid())
            return false;
        if (run == last_ && current_ == lastFace_)
            return true;
        lastFace_ = nullptr;
        glyphs_.resize(size_t(run.size()));
        for (qsizetype i = 0; i < run.size(); ++i) {
            const char16_t c = run[i].unicode();
            if (c >= current_->glyphs.size())
                return false;
            quint32& glyph = current_->glyphs[c];
            if (glyph == kUnknown) {
                const QList<quint32> found = current_->raw.glyphIndexesForString(QString(QChar(c)));
                glyph = plain(c) && found.size() == 1 ? found[0] : kShaped;
            }
            if (glyph == kShaped)
                return false;
            glyphs_[size_t(i)] = glyph;
        }
        advances_.resize(glyphs_.size());
        if (!current_->raw.advancesForGlyphIndexes(glyphs_.data(), advances_.data(), int(glyphs_.size()),
                                                   QRawFont::KernedAdvances))
            return false;
        last_ = run;
        lastFace_ = current_;
        return true;
    }

    QPaintDevice* device_;
    std::deque<Face> faces_; // a printout uses a few fonts
    Face* current_ = nullptr;
    std::vector<quint32> glyphs_;
    std::vector<QPointF> advances_;
    // Glyphs waiting to be drawn, in one font, at their places on the page.
    const Face* waiting_ = nullptr;
    std::vector<quint32> drawn_;
    std::vector<QPointF> positions_;
    QString last_;
    const Face* lastFace_ = nullptr;
};

using DrawRun = std::function<void(const QPointF& baseline, const QFont& font, const QString& run)>;

// Lays the document out line by line page by page, in device pixels from the top
// left of the margins. Long runs continue on the next line; pages turn by the real height
// of the lines, and begin with the document's page heading.
class Layout
{
public:
    // draw puts a run at its place on the current page; turnPage begins the next page and
    // says whether it could.
    Layout(const PrintDocument& document, QPrinter& printer, RunShaper& shaper, DrawRun draw,
           std::function<bool()> turnPage)
        : ops_(document.ops())
        , printer_(printer)
        , shaper_(shaper)
        , draw_(std::move(draw))
        , turnPage_(std::move(turnPage))
        , width_(printer.width())
        , height_(printer.height())
    {
        setFont(QFont());
    }

    // Tells the progress at every page begun; a progress that answers false stops the layout.
    bool run(const PrintProgress& progress = {})
    {
        int told = 0;
        for (size_t i = 0; i < ops_.size() && ok_; ++i) {
            apply(i);
            if (progress && pages_ != told) {
                told = pages_;
                if (!progress(qsizetype(i), qsizetype(ops_.size()))) {
                    cancelled_ = true;
                    return false;
                }
            }
        }
        return ok_;
    }
    bool cancelled() const { return cancelled_; }

private:
    using Kind = PrintDocument::Op::Kind;

    void apply(size_t index)
    {
        const PrintDocument::Op& op = ops_[index];
        switch (op.kind) {
        case Kind::Font:
            setFont(fontFor(op));
            break;
        case Kind::Text:
            text(op.text);
            break;
        case Kind::Tab:
            tab(op.column);
            break;
        case Kind::EndLine:
            endLine();
            break;
        case Kind::NewPage:
            if (open_)
                endLine();
            due_ = true;
            break;
        case Kind::HeadingBegin:
            if (!replaying_) {
                headingFrom_ = headingTo_ = index + 1;
                headingFont_ = font_;
            }
            break;
        case Kind::HeadingEnd:
            if (!replaying_) {
                headingTo_ = index;
                below_ = 0;
                bodyTop_ = y_;
            }
            break;
        case Kind::PageLines:
            limit_ = op.column;
            break;
        }
    }

    void setFont(const QFont& font)
    {
        font_ = font;
        shaper_.setFont(font);
        // Columns are measured in the regular weight, so that a bold heading's columns
        // stand over the same columns of the lines below it.
        QFont regular = font;
        regular.setBold(false);
        column_ = QFontMetricsF(regular, &printer_).averageCharWidth();
    }

    // A run that passes the right margin goes on below, from the column its text began at;
    // it is broken between words where it can, inside a word longer than the line.
    void text(const QString& run)
    {
        startLine();
        QString rest = run;
        qsizetype lead = 0;
        while (lead < rest.size() && rest[lead] == u' ')
            ++lead;
        double from = x_ + shaper_.width(rest.left(lead));
        if (!inked_ && lead < rest.size()) {
            lineStart_ = from;
            inked_ = true;
        }
        // No room worth the name at that column: continue under the line's first text, or
        // from the margin.
        if (width_ - from < 10 * column_)
            from = width_ - lineStart_ < 10 * column_ ? 0 : lineStart_;
        for (;;) {
            const double advance = shaper_.width(rest);
            if (x_ + advance <= width_) {
                draw(rest);
                x_ += advance;
                return;
            }
            QString kept = rest;
            while (kept.endsWith(u' '))
                kept.chop(1);
            if (x_ + shaper_.width(kept) <= width_) {
                draw(kept); // blanks alone pass the margin
                x_ = width_;
                return;
            }
            // The most characters that fit, then back to the last blank among them.
            qsizetype low = 0, high = kept.size();
            while (low < high) {
                const qsizetype middle = (low + high + 1) / 2;
                if (x_ + shaper_.width(kept.left(middle)) <= width_)
                    low = middle;
                else
                    high = middle - 1;
            }
            qsizetype cut = low < kept.size() && kept[low] == u' ' ? low : kept.left(low).lastIndexOf(u' ');
            if (cut <= 0 || kept.left(cut).trimmed().isEmpty()) {
                // No blank to break at: a word that would fit on a line of its own goes there.
                const bool lineHasText = x_ > from + 0.5;
                cut = lineHasText ? 0 : std::max<qsizetype>(low, 1);
            }
            if (cut > 0)
                draw(kept.left(cut));
            rest = kept.mid(cut);
            while (rest.startsWith(u' '))
                rest.remove(0, 1);
            if (rest.isEmpty())
                return;
            continueLine(from);
            if (!ok_)
                return;
        }
    }

    void tab(int column)
    {
        startLine();
        const double target = column * column_;
        // Past the column, so near it that two fields would touch, or a column beyond the
        // margin: one blank after the text so far.
        const double blank = shaper_.metrics().horizontalAdvance(QLatin1Char(' '));
        if (x_ > 0 && (x_ + blank / 2 > target || target >= width_))
            x_ += blank;
        else
            x_ = target;
    }

    void endLine()
    {
        if (!open_) {
            // An empty line at the foot of a full page is left out rather than begin a page.
            if (!due_ && pageFull(shaper_.metrics().lineSpacing()))
                return;
            startLine();
        }
        y_ += lineHeight_;
        x_ = 0;
        open_ = false;
        if (!replaying_)
            ++below_;
    }

    void draw(const QString& run)
    {
        if (!run.isEmpty())
            draw_(QPointF(x_, y_ + shaper_.metrics().ascent()), font_, run);
    }

    bool pageFull(double lineHeight) const
    {
        if (replaying_)
            return false;
        // A page that holds nothing but its heading takes the line whatever its height.
        const bool body = y_ > bodyTop_ + 0.5;
        return due_ || (body && (y_ + lineHeight > height_ || (limit_ > 0 && below_ >= limit_)));
    }

    // A line begins with the first thing put on it, on a new page when it would not fit.
    void startLine()
    {
        if (open_) {
            lineHeight_ = std::max(lineHeight_, shaper_.metrics().lineSpacing());
            return;
        }
        if (pageFull(shaper_.metrics().lineSpacing()))
            breakPage();
        lineHeight_ = shaper_.metrics().lineSpacing();
        open_ = true;
        inked_ = false;
    }

    // The next line of a run broken at the margin; not a line of the document of its own.
    void continueLine(double from)
    {
        y_ += lineHeight_;
        open_ = false;
        if (!replaying_ && y_ > bodyTop_ + 0.5 && y_ + shaper_.metrics().lineSpacing() > height_)
            breakPage();
        lineHeight_ = shaper_.metrics().lineSpacing();
        open_ = true;
        x_ = from;
    }

    void breakPage()
    {
        if (!turnPage_()) {
            ok_ = false;
            return;
        }
        ++pages_;
        x_ = y_ = 0;
        open_ = false;
        due_ = false;
        const QFont kept = font_;
        if (headingTo_ > headingFrom_) {
            setFont(headingFont_);
            replaying_ = true;
            for (size_t i = headingFrom_; i < headingTo_; ++i)
                apply(i);
            replaying_ = false;
            if (open_)
                endLine();
        }
        setFont(kept);
        bodyTop_ = y_;
        below_ = 0;
    }

    const std::vector<PrintDocument::Op>& ops_;
    QPrinter& printer_;
    RunShaper& shaper_;
    DrawRun draw_;
    std::function<bool()> turnPage_;
    QFont font_;
    double column_ = 0; // width of one character column
    const double width_;
    const double height_;
    double x_ = 0;
    double y_ = 0;
    double lineHeight_ = 0;
    bool open_ = false;
    bool inked_ = false;   // the line has text other than blanks
    double lineStart_ = 0; // where that text begins
    bool ok_ = true;
    bool cancelled_ = false;
    int pages_ = 0; // pages begun after the first
    // The page heading: its ops, the font it starts in, the lines a page holds below it.
    size_t headingFrom_ = 0;
    size_t headingTo_ = 0;
    QFont headingFont_;
    int limit_ = 0;
    int below_ = 0;      // lines of the document below the heading on this page
    double bodyTop_ = 0; // where the heading ends on this page
    bool due_ = false;   // an explicit page break waits for the next line
    bool replaying_ = false;
};

} // namespace

void QtPrinter::prepare(QPrinter& printer, const PrintDocument& document)
{
    printer.setDocName(document.name());
    // Half an inch, what printers commonly reach: a full page of the log (heading, 40 entries
    // and the closing figures) fits on A4.
    printer.setPageMargins(QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
}

PrintOutcome QtPrinter::paint(const PrintDocument& document, QPrinter& printer, const PrintProgress& progress)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return {QCoreApplication::translate("ui::QtPrinter", "The printer could not be started."), {}};
    RunShaper shaper(&printer);
    const auto draw = [&painter, &shaper](const QPointF& baseline, const QFont&, const QString& run) {
        shaper.draw(painter, baseline, run);
    };
    Layout layout(document, printer, shaper, draw, [&printer, &painter, &shaper] {
        shaper.flush(painter);
        return printer.newPage();
    });
    const bool ok = layout.run(progress);
    shaper.flush(painter);
    painter.end();
    PrintOutcome outcome;
    outcome.cancelled = layout.cancelled();
    if (!outcome.cancelled && (!ok || printer.printerState() == QPrinter::Error))
        outcome.error =
            QCoreApplication::translate("ui::QtPrinter", "The printer stopped before the printout was complete.");
    return outcome;
}

std::vector<QtPrinter::PlacedRun> QtPrinter::layOut(const PrintDocument& document, QPrinter& printer)
{
    std::vector<PlacedRun> runs;
    int page = 0;
    RunShaper shaper(&printer);
    const auto draw = [&](const QPointF& baseline, const QFont& font, const QString& run) {
        runs.push_back({page, baseline, shaper.width(run), run, font});
    };
    Layout(document, printer, shaper, draw, [&page] {
        ++page;
        return true;
    }).run();
    return runs;
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

PrintOutcome QtPrinter::print(const PrintDocument& document, const PrintProgress& progress)
{
    const QString wanted = qEnvironmentVariable("PANTRIX_PRINTER");
    if (wanted.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return printToPdf(document, progress);
    if (!wanted.isEmpty()) {
        if (QPrinterInfo::printerInfo(wanted).isNull())
            return {QCoreApplication::translate("ui::QtPrinter", "The printer %1 is not installed.").arg(wanted), {}};
        return printOn(wanted, document, progress);
    }
    // The printer Qt would take: the default one, else the first there is.
    QString queue = QPrinterInfo::defaultPrinterName();
    if (queue.isEmpty())
        queue = QPrinterInfo::availablePrinterNames().value(0);
    if (queue.isEmpty()) {
        PrintOutcome outcome = printToPdf(document, progress);
        outcome.noPrinter = true;
        return outcome;
    }
    return printOn(queue, document, progress);
}

PrintOutcome QtPrinter::printOn(const QString& queue, const PrintDocument& document, const PrintProgress& progress)
{
    PrintOutcome refused{
        QCoreApplication::translate("ui::QtPrinter", "The printer %1 is not accepting jobs.").arg(queue), {}};
    refused.refused = true;
    if (acceptance_(queue) == Acceptance::NotAccepting)
        return refused;
    // Qt hands whatever was drawn to the print system when painting ends, even a printout
    // the user stopped halfway. So the job is drawn for this printer into a file of its own,
    // and sent only once it is whole.
    QTemporaryFile spool(QDir::temp().filePath(QStringLiteral("pantrix-XXXXXX.job")));
    if (!spool.open())
        return {QCoreApplication::translate("ui::QtPrinter", "The printer could not be started."), {}};
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(queue);
    printer.setOutputFileName(spool.fileName()); // not a .pdf: the printer's own engine writes it
    prepare(printer, document);
    if (PrintOutcome painted = paint(document, printer, progress); !painted.ok() || painted.cancelled)
        return painted;
    if (QString error = sendToCups(queue, spool.fileName(), document.name(), printer.pageLayout().pageSize().key());
        !error.isEmpty())
        return {error, {}};
    // A queue that stopped taking jobs while this one was sent refused it.
    if (acceptance_(queue) == Acceptance::NotAccepting) {
        refused.error = QCoreApplication::translate(
                            "ui::QtPrinter", "The printer %1 did not accept the printout: it is not accepting jobs.")
                            .arg(queue);
        return refused;
    }
    return {};
}

PrintOutcome QtPrinter::printToPdf(const PrintDocument& document, const PrintProgress& progress)
{
    // Named in full, so that the user knows where to look or what to put right.
    const QString folder = QDir::current().absoluteFilePath(kFolder);
    if (!QDir().mkpath(kFolder)) {
        const QString why = QFileInfo(kFolder).exists()
                                ? QCoreApplication::translate("ui::QtPrinter", ": a file of that name is in the way")
                                : QString();
        return {QCoreApplication::translate("ui::QtPrinter", "The folder %1 for printouts could not be made%2.")
                    .arg(folder, why),
                {}};
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
    PrintOutcome painted = paint(document, printer, progress);
    if (painted.ok() && !painted.cancelled && !isWholePdf(temporary.name))
        painted.error = data::FileResult::failure(QStringLiteral("Writing"), target,
                                                  QCoreApplication::translate(
                                                      "ui::QtPrinter", "the printout could not be written completely"))
                            .error;
    if (!painted.ok() || painted.cancelled) {
        QFile::remove(temporary.name); // no half-written printout is left behind
        return painted;
    }
    if (const data::FileResult moved = data::moveTemporaryInPlace(temporary.name, target); !moved)
        return {moved.error, {}};
    return {{}, savedAs};
}

} // namespace ui
