// The Expense Log with 100k entries: opening its list (read, sort by date, model filled)
// against the straightforward reading record by record with neighbour-swap sorting, and
// deleting one entry against the straightforward delete-and-rewrite record by record; and the
// printout of the whole log, built as the printer is handed it.
#include "BenchSupport.h"

#include "data/FileOps.h"
#include "log/LogListModel.h"
#include "log/LogPrintout.h"
#include "log/LogRules.h"
#include "log/SpendingByMonth.h"
#include "log/pantlog1.h"
#include "log/pantlogchart.h"
#include "ui/Dialogs.h"
#include "ui/Printer.h"

#include <QCoreApplication>
#include <QFile>
#include <QPixmap>

#include <numeric>

namespace {

using data::LogRecord;

QString logFile(int n)
{
    const QString name = QStringLiteral("log%1.dat").arg(n);
    if (!data::fileExists(name))
        bench::writeFile(name, bench::logFileBytes(n));
    return name;
}

void OpenLog(benchmark::State& s)
{
    const QString name = logFile(int(s.range(0)));
    shoplog::LogFile file;
    bench::mustWork(file.open(name));
    shoplog::LogListModel model;
    for (auto _ : s) {
        shoplog::LogView view = shoplog::buildLogView(file.readAll(), {});
        model.setLines(std::move(view.lines));
    }
    s.counters["lines"] = model.rowCount();
}
BENCHMARK(OpenLog)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The printout of the whole log: the document the printer is handed, from the records read.
void LogPrintout(benchmark::State& s)
{
    const QString name = logFile(int(s.range(0)));
    shoplog::LogFile file;
    bench::mustWork(file.open(name));
    size_t ops = 0;
    for (auto _ : s)
        ops = shoplog::logPrintout(file.readAll(), QDate(2026, 12, 6), {"1.00", "2.00", ".50", "1.00"}).ops().size();
    benchmark::DoNotOptimize(ops);
}
BENCHMARK(LogPrintout)->Arg(100000)->Unit(benchmark::kMillisecond);

// The whole window: its file opened, the list built and shown in the list view.
void OpenLogWindow(benchmark::State& s)
{
    bench::writeFile(shoplog::kLogFile, data::readFileBytes(logFile(int(s.range(0)))).bytes);
    bench::SilentDialogs dialogs;
    for (auto _ : s) {
        shoplog::pantlog1 window(dialogs, bench::noPrinter(), bench::noDesktop());
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(OpenLogWindow)->Arg(100000)->Unit(benchmark::kMillisecond);

// Reads each record on its own, builds its line and date, and sorts by neighbour swaps.
void LiteralOpenLog(benchmark::State& s)
{
    const QString name = logFile(int(s.range(0)));
    for (auto _ : s) {
        QFile file(name);
        file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        const int count = int(file.size() / LogRecord::Length);
        std::vector<shoplog::LogLine> lines;
        for (int i = 1; i <= count; ++i) {
            LogRecord r;
            file.seek(qint64(i - 1) * LogRecord::Length);
            file.read(r.bytes.data(), LogRecord::Length);
            lines.push_back({shoplog::logLine(r), shoplog::readEntryDate(r.get(LogRecord::entrydate)), i});
        }
        bool swapped = true;
        while (swapped) {
            swapped = false;
            for (size_t j = 0; j + 1 < lines.size(); ++j) {
                if (lines[j].date > lines[j + 1].date) {
                    std::swap(lines[j], lines[j + 1]);
                    swapped = true;
                }
            }
        }
        shoplog::LogListModel model;
        model.setLines(std::move(lines));
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(LiteralOpenLog)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

// Deletes entry 2 of n each time; the file is put back between iterations.
void DeleteEntry(benchmark::State& s)
{
    const int n = int(s.range(0));
    const QByteArray bytes = data::readFileBytes(logFile(n)).bytes;
    const QString name = QStringLiteral("delete%1.dat").arg(n);
    for (auto _ : s) {
        s.PauseTiming();
        bench::writeFile(name, bytes);
        shoplog::LogFile file;
        bench::mustWork(file.open(name));
        s.ResumeTiming();
        bench::mustWork(shoplog::deleteEntry(file, 2));
    }
}
BENCHMARK(DeleteEntry)->Arg(100000)->Unit(benchmark::kMillisecond);

// The chart of every entry over thirty years: the sums, then the window drawn once.
void ChartWindow(benchmark::State& s)
{
    const int n = int(s.range(0));
    const std::vector<LogRecord> records = bench::logRecords(n, 30);
    std::vector<int> entries(static_cast<size_t>(n));
    std::iota(entries.begin(), entries.end(), 1);
    bench::SilentDialogs dialogs;
    for (auto _ : s) {
        const shoplog::SpendingByMonth spending = shoplog::spendingByMonth(records, entries, QDate(2026, 12, 6));
        shoplog::pantlogchart chart(spending, QStringLiteral("all lists"), dialogs);
        chart.resize(900, 600);
        benchmark::DoNotOptimize(chart.grab().size());
    }
}
BENCHMARK(ChartWindow)->Arg(100000)->Unit(benchmark::kMillisecond);

// Reads every other entry record by record, deletes the file and writes them back one by one.
void LiteralDeleteEntry(benchmark::State& s)
{
    const int n = int(s.range(0));
    const QByteArray bytes = data::readFileBytes(logFile(n)).bytes;
    const QString name = QStringLiteral("literal%1.dat").arg(n);
    for (auto _ : s) {
        s.PauseTiming();
        bench::writeFile(name, bytes);
        s.ResumeTiming();
        std::vector<LogRecord> kept;
        {
            QFile file(name);
            file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
            const int count = int(file.size() / LogRecord::Length);
            for (int i = 1; i <= count; ++i) {
                LogRecord r;
                file.seek(qint64(i - 1) * LogRecord::Length);
                file.read(r.bytes.data(), LogRecord::Length);
                if (i != 2)
                    kept.push_back(r);
            }
        }
        QFile::remove(name);
        QFile file(name);
        file.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
        for (size_t i = 0; i < kept.size(); ++i) {
            file.seek(qint64(i) * LogRecord::Length);
            file.write(kept[i].bytes.data(), LogRecord::Length);
        }
    }
}
BENCHMARK(LiteralDeleteEntry)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

const int ratios = bench::registerRatios([](const bench::RatioReporter& r) {
    r.printRatio("Open log 10k entries: straightforward / Pantrix", "LiteralOpenLog/10000/iterations:1",
                 "OpenLog/10000");
    r.printRatio("Delete 1 of 100k log entries: straightforward / Pantrix", "LiteralDeleteEntry/100000/iterations:1",
                 "DeleteEntry/100000");
});

} // namespace
