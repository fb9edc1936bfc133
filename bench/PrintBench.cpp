// The Shopping List printout with unit prices: the name index built once per printout,
// against a scan of the product file from record 1 for every item. And the three large
// printouts (100k products, 100k log entries, 10k items) made as the user makes them, to a
// PDF, with the longest time the window went without handling its events, against the PDF
// writer alone putting the same text on the same pages.
#include "BenchSupport.h"

#include "data/Numbers.h"
#include "data/RecordFile.h"
#include "log/LogPrintout.h"
#include "log/LogRules.h"
#include "print/ProductListPrintout.h"
#include "print/ShoppingListPrintout.h"
#include "print/UnitPrices.h"
#include "ui/PrintJob.h"
#include "ui/QtPrinter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGlyphRun>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRawFont>
#include <QTimer>

namespace {

using data::ProductRecord;
using data::ShoppingItemRecord;

// A list of n items drawn from the product file: most are products found in it (some in
// other letter case), every tenth is no longer there.
print::ShoppingPrintout printoutOf(const QByteArray& products, int n)
{
    const auto records = data::recordsFromBytes<ProductRecord>(products);
    print::ShoppingPrintout in;
    in.choices.price = true;
    in.choices.byCategory = true;
    in.choices.headers = true;
    in.date = QDate(2026, 12, 6);
    in.comments = {"", "", ""};
    for (int i = 0; i < n; ++i) {
        const ProductRecord& p = records[size_t(i * 7919) % records.size()];
        ShoppingItemRecord item;
        QString name = p.text(ProductRecord::item);
        if (i % 10 == 9)
            name += QStringLiteral(" gone");
        else if (i % 3 == 0)
            name = name.toUpper();
        item.set(ShoppingItemRecord::item, name);
        item.set(ShoppingItemRecord::quantity, QStringLiteral("1"));
        item.set(ShoppingItemRecord::category, p.text(ProductRecord::category));
        in.items.push_back(item);
        in.rows.push_back(i + 1);
    }
    return in;
}

void PrintoutWithPrices(benchmark::State& s)
{
    const QByteArray products = bench::productFileBytes(int(s.range(1)));
    const print::ShoppingPrintout in = printoutOf(products, int(s.range(0)));
    size_t ops = 0;
    for (auto _ : s) {
        const print::UnitPrices prices(products);
        ops = print::buildShoppingListPrintout(in, prices).ops().size();
    }
    benchmark::DoNotOptimize(ops);
}
BENCHMARK(PrintoutWithPrices)
    ->Args({10000, 10000})
    ->Args({10000, 100000})
    ->Args({1000, 10000})
    ->Unit(benchmark::kMillisecond);

// The unit price as the straightforward printout finds it: the product file's records
// compared from record 1, name by name, until the first match. (Kept in memory here and
// compared as bytes, so the scan is as fast as it can be made.)
QString scannedPrice(const std::vector<ProductRecord>& file, const ShoppingItemRecord& item)
{
    const QByteArray wanted = print::UnitPrices::key(item.bytes.data(), ShoppingItemRecord::item);
    for (const ProductRecord& p : file) {
        if (print::UnitPrices::key(p.bytes.data(), ProductRecord::item) == wanted)
            return QStringLiteral(" (") + data::trimBlanks(data::formatMoneyText(p.get(ProductRecord::price))) +
                   QLatin1Char(')');
    }
    return {};
}

void ScannedPrices(benchmark::State& s)
{
    const QByteArray products = bench::productFileBytes(int(s.range(1)));
    const auto file = data::recordsFromBytes<ProductRecord>(products);
    const print::ShoppingPrintout in = printoutOf(products, int(s.range(0)));
    qsizetype found = 0;
    for (auto _ : s) {
        for (const ShoppingItemRecord& item : in.items)
            found += scannedPrice(file, item).size();
    }
    benchmark::DoNotOptimize(found);
}
// Stopped at 10k x 10k: the scan grows with items times products.
BENCHMARK(ScannedPrices)->Args({1000, 10000})->Args({10000, 10000})->Iterations(1)->Unit(benchmark::kMillisecond);

// How late a timer that should fire every 2 ms comes while a command runs: the longest
// time the window could not paint or take input.
class StallMeter
{
public:
    StallMeter()
    {
        timer_.setInterval(2);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        clock_.start();
        timer_.start();
    }
    double longestMs()
    {
        tick();
        return double(longest_) / 1e6;
    }

private:
    void tick()
    {
        const qint64 now = clock_.nsecsElapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

enum Printout { Products = 0, Log = 1, ShoppingList = 2 };

// The printout as the command builds it, from the files as read.
ui::PrintDocument buildPrintout(int which)
{
    static const QByteArray products = bench::productFileBytes(100000);
    static const QByteArray log = bench::logFileBytes(100000);
    switch (which) {
    case Products:
        return print::buildProductListPrintout(data::recordsFromBytes<ProductRecord>(products),
                                               model::CategoryFilter::all(),
                                               QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    case Log:
        return shoplog::logPrintout(data::recordsFromBytes<data::LogRecord>(log), QDate(2026, 12, 7),
                                    {"1.00", "2.00", ".50", "1.00"});
    default: {
        const print::ShoppingPrintout in = printoutOf(products, 10000);
        return print::buildShoppingListPrintout(in, print::UnitPrices(products));
    }
    }
}

void removePrintouts()
{
    QDir(QStringLiteral("Printouts")).removeRecursively();
}

// The whole command from the records read: the document built, laid out, painted into a PDF
// and the outcome told.
void PrintoutToPdf(benchmark::State& s)
{
    qputenv("PANTRIX_PRINTER", "pdf");
    ui::QtPrinter printer;
    bench::SilentDialogs dialogs;
    double stall = 0;
    buildPrintout(int(s.range(0))); // the records made up front, as the program has them read
    for (auto _ : s) {
        StallMeter meter;
        if (ui::printDocument(printer, dialogs, bench::noDesktop(), buildPrintout(int(s.range(0)))) !=
            ui::PrintResult::Made)
            s.SkipWithError("the printout failed");
        stall = std::max(stall, meter.longestMs());
        s.PauseTiming();
        removePrintouts();
        s.ResumeTiming();
    }
    qunsetenv("PANTRIX_PRINTER");
    s.counters["stall_ms"] = stall;
}
BENCHMARK(PrintoutToPdf)->Arg(Products)->Arg(Log)->Arg(ShoppingList)->Iterations(3)->Unit(benchmark::kMillisecond);

// The floors: QPdfWriter alone putting the same text, in the same fonts, at the same places
// on the same number of pages as the printer lays them out: as Qt draws text (each run
// shaped as it is drawn: Arg 0), and as glyphs already found (the least the PDF engine
// takes: Arg 1). The glyphs are the runs' own, blanks left out, as the printout draws them.
void PdfWriterFloor(benchmark::State& s)
{
    QPrinter layout(QPrinter::HighResolution);
    layout.setOutputFormat(QPrinter::PdfFormat);
    const ui::PrintDocument doc = buildPrintout(int(s.range(0)));
    ui::QtPrinter::prepare(layout, doc);
    const std::vector<ui::QtPrinter::PlacedRun> runs = ui::QtPrinter::layOut(doc, layout);
    const bool asGlyphs = s.range(1) == 1;
    std::vector<QGlyphRun> glyphs;
    if (asGlyphs) {
        QFont last;
        QRawFont raw;
        for (const auto& run : runs) {
            if (glyphs.empty() || run.font != last) {
                last = run.font;
                raw = QRawFont::fromFont(QFont(run.font, &layout));
            }
            const QList<quint32> indexes = raw.glyphIndexesForString(run.text);
            const QList<QPointF> advances = raw.advancesForGlyphIndexes(indexes, QRawFont::KernedAdvances);
            QList<quint32> kept;
            QList<QPointF> places;
            QPointF at;
            for (qsizetype i = 0; i < indexes.size(); ++i) {
                if (run.text[i] != u' ') {
                    kept.append(indexes[i]);
                    places.append(at);
                }
                at.rx() += advances[i].x();
            }
            QGlyphRun glyphRun;
            glyphRun.setRawFont(raw);
            glyphRun.setGlyphIndexes(kept);
            glyphRun.setPositions(places);
            glyphs.push_back(glyphRun);
        }
    }
    for (auto _ : s) {
        QPdfWriter writer(QStringLiteral("floor.pdf"));
        writer.setResolution(layout.resolution());
        writer.setPageLayout(layout.pageLayout());
        QPainter painter(&writer);
        int page = 0;
        for (size_t i = 0; i < runs.size(); ++i) {
            const auto& run = runs[i];
            for (; page < run.page; ++page)
                writer.newPage();
            if (asGlyphs) {
                painter.drawGlyphRun(run.at, glyphs[i]);
                continue;
            }
            if (painter.font() != run.font)
                painter.setFont(run.font);
            painter.drawText(run.at, run.text);
        }
        painter.end();
        s.counters["pages"] = page + 1;
    }
    QFile::remove(QStringLiteral("floor.pdf"));
}
BENCHMARK(PdfWriterFloor)
    ->ArgsProduct({{Products, Log, ShoppingList}, {0, 1}})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

const int kRatios = bench::registerRatios([](const bench::RatioReporter& r) {
    const char* const names[] = {"Product List 100k", "log 100k", "Shopping List 10k"};
    for (int which = 0; which < 3; ++which) {
        const std::string printout = "PrintoutToPdf/" + std::to_string(which) + "/iterations:3";
        const std::string floor = "PdfWriterFloor/" + std::to_string(which);
        r.printRatio(std::string("printout of the ") + names[which] + " to PDF / PDF writer drawing its text", printout,
                     floor + "/0/iterations:3");
        r.printRatio("  / PDF writer drawing its glyphs", printout, floor + "/1/iterations:3");
    }
    r.printRatio("unit prices 10k items x 10k products: scan / index", "ScannedPrices/10000/10000/iterations:1",
                 "PrintoutWithPrices/10000/10000");
    r.printRatio("unit prices 1k items x 10k products: scan / index", "ScannedPrices/1000/10000/iterations:1",
                 "PrintoutWithPrices/1000/10000");
});

} // namespace
