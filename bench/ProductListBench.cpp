// The Product List: a full rebuild, a one-keystroke quick search and the start-up, against
// the straightforward algorithm (a read per record, neighbour-swap sort, rows added one by
// one) and against grep reading the same file.
#include "BenchSupport.h"

#include "app/pantrix1.h"
#include "data/Cp1252.h"
#include "data/FileOps.h"
#include "data/Numbers.h"
#include "model/ProductCatalogue.h"
#include "model/SharedState.h"
#include "model/StoreFiles.h"
#include "ui/Dialogs.h"
#include <QLineEdit>
#include <QListView>

#include <QDir>
#include <QFile>
#include <QListWidget>

#include <memory>

namespace {

QString fileFor(int n)
{
    const QString name = QStringLiteral("products%1.dat").arg(n);
    if (!QFile::exists(name))
        bench::writeFile(name, bench::productFileBytes(n));
    return name;
}

// A main window showing the product file of n products.
struct Window
{
    model::SharedState state;
    bench::SilentDialogs dialogs;
    std::unique_ptr<app::pantrix1> window;

    explicit Window(int n)
    {
        state.ProductFile = fileFor(n);
        state.CategoryFilter = model::CategoryFilter::all();
        state.Loaded = true;
        bench::mustWork(state.products.open(state.ProductFile));
        window = std::make_unique<app::pantrix1>(state, dialogs, bench::noPrinter(), bench::noDesktop());
        window->resize(1180, 720);
    }
};

void Rebuild(benchmark::State& s)
{
    Window w(int(s.range(0)));
    data::ProductRecord first = w.state.products.read(1);
    int flip = 0;
    for (auto _ : s) {
        // Each round the file changes (a price edit), so nothing decoded before is reused.
        s.PauseTiming();
        first.set(data::ProductRecord::price, (++flip % 2) ? QStringLiteral("1.00") : QStringLiteral("2.00"));
        bench::mustWork(w.state.products.write(1, first));
        s.ResumeTiming();
        w.window->RebuildProductList();
    }
    s.counters["rows"] = w.window->findChild<QListView*>("List1")->model()->rowCount();
}
BENCHMARK(Rebuild)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void Keystroke(benchmark::State& s)
{
    Window w(int(s.range(0)));
    w.window->RebuildProductList();
    auto* search = w.window->findChild<QLineEdit*>("searchtxt");
    int k = 0;
    for (auto _ : s)
        search->setText((++k % 2) ? QStringLiteral("milk") : QStringLiteral("mil"));
    s.counters["rows"] = w.window->findChild<QListView*>("List1")->model()->rowCount();
}
BENCHMARK(Keystroke)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The straightforward rebuild: one read per record, the filter, repeated neighbour-swap
// passes, and the rows added to a list box one at a time.
void literalRebuild(const QString& fileName, const QString& search, QListWidget& list)
{
    struct Row
    {
        QString text;
        int record;
        QString price;
    };
    QFile file(fileName);
    file.open(QIODevice::ReadOnly);
    const int count = int(file.size() / data::ProductRecord::Length);
    const QString needle = data::trimBlanks(search).toLower();
    std::vector<Row> rows;
    for (int i = 1; i <= count; ++i) {
        data::ProductRecord r;
        file.seek(qint64(i - 1) * data::ProductRecord::Length);
        file.read(r.bytes.data(), data::ProductRecord::Length);
        if (!needle.isEmpty() && !r.get(data::ProductRecord::item).toLower().contains(needle))
            continue;
        const QString category = QStringLiteral("ALL");
        if (category != QLatin1String("ALL") && category != r.text(data::ProductRecord::category).toUpper())
            continue;
        rows.push_back(
            {r.text(data::ProductRecord::item), i, data::formatMoneyText(r.get(data::ProductRecord::price))});
    }
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (size_t j = 0; j + 1 < rows.size(); ++j) {
            if (rows[j].text > rows[j + 1].text) {
                std::swap(rows[j], rows[j + 1]);
                swapped = true;
            }
        }
    }
    list.clear();
    for (const Row& row : rows)
        list.addItem(row.text);
}

void LiteralRebuild(benchmark::State& s)
{
    const QString file = fileFor(int(s.range(0)));
    QListWidget list;
    for (auto _ : s)
        literalRebuild(file, QString(), list);
}
BENCHMARK(LiteralRebuild)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

void LiteralKeystroke(benchmark::State& s)
{
    const QString file = fileFor(int(s.range(0)));
    QListWidget list;
    int k = 0;
    for (auto _ : s)
        literalRebuild(file, (++k % 2) ? QStringLiteral("milk") : QStringLiteral("mil"), list);
}
BENCHMARK(LiteralKeystroke)->Arg(1000)->Arg(10000)->Iterations(3)->Unit(benchmark::kMillisecond);

// The floor: grep reading the same file once.
void Grep(benchmark::State& s)
{
    const std::string file = fileFor(int(s.range(0))).toStdString();
    for (auto _ : s) {
        const double seconds = bench::runCommand({"grep", "-c", "-i", "milk", file});
        s.SetIterationTime(seconds);
    }
}
BENCHMARK(Grep)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

// Start-up: the window built, shown, loaded with 100k products and painted.
void Startup(benchmark::State& s)
{
    const QString folder = QDir::currentPath();
    const QByteArray products = bench::productFileBytes(int(s.range(0)));
    QDir().mkpath(QStringLiteral("startup"));
    QDir::setCurrent(QStringLiteral("startup"));
    bench::writeFile(model::kDefaultProducts, products);
    for (auto _ : s) {
        bench::mustWork(data::deleteFile(model::kNameFile));
        model::SharedState state;
        bench::SilentDialogs dialogs;
        app::pantrix1 window(state, dialogs, bench::noPrinter(), bench::noDesktop());
        window.resize(1180, 720);
        window.show();
        window.Load();
        window.repaint();
    }
    QDir::setCurrent(folder);
}
BENCHMARK(Startup)->Arg(100000)->Iterations(3)->Unit(benchmark::kMillisecond);

const int ratios = bench::registerRatios([](const bench::RatioReporter& r) {
    r.printRatio("Rebuild 10k: straightforward / Pantrix", "LiteralRebuild/10000/iterations:1", "Rebuild/10000");
    r.printRatio("Keystroke 10k: straightforward / Pantrix", "LiteralKeystroke/10000/iterations:3", "Keystroke/10000");
    r.printRatio("Keystroke 100k: Pantrix / grep floor", "Keystroke/100000", "Grep/100000/manual_time");
    r.printRatio("Rebuild 100k: Pantrix / grep floor", "Rebuild/100000", "Grep/100000/manual_time");
});

} // namespace

namespace {
// The filter rule alone, without the file read and the view.
void FilterOnly(benchmark::State& s)
{
    model::ProductCatalogue c;
    c.load(bench::productFileBytes(int(s.range(0))));
    model::ProductFilter f;
    int k = 0;
    for (auto _ : s) {
        f.search = (++k % 2) ? QStringLiteral("milk") : QStringLiteral("mil");
        benchmark::DoNotOptimize(model::filterProducts(c, f));
    }
}
BENCHMARK(FilterOnly)->Arg(100000)->Unit(benchmark::kMillisecond);
} // namespace
