// Merge import and product deletion at catalogue sizes, against the straightforward
// algorithms: a nested scan reading one record at a time for the import, and for the
// deletion a read per record followed by a rewrite of the file record by record.
#include "BenchSupport.h"

#include "app/pantrix1.h"
#include "catalogue/CatalogueCommands.h"
#include "catalogue/MergeRules.h"
#include "catalogue/ProductDeletion.h"
#include "data/FileOps.h"
#include "data/RecordFile.h"
#include "model/SharedState.h"
#include "ui/Dialogs.h"

#include <QFile>

namespace {

using data::ProductRecord;

void prepareImport(int n)
{
    bench::writeFile(QStringLiteral("import.dat"), bench::productFileBytes(n));
    bench::writeFile(QStringLiteral("import.mrg"), bench::mergeFileBytes(n));
}

void MergeImport(benchmark::State& s)
{
    const int n = int(s.range(0));
    int imported = 0;
    for (auto _ : s) {
        s.PauseTiming();
        prepareImport(n);
        data::RecordFile<ProductRecord> products;
        bench::mustWork(products.open(QStringLiteral("import.dat")));
        s.ResumeTiming();
        imported = catalogue::importMergeFile(products, QStringLiteral("import.mrg")).imported;
    }
    s.counters["imported"] = imported;
}
BENCHMARK(MergeImport)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The comparison of names alone, without reading or writing a file.
void MergeRuleOnly(benchmark::State& s)
{
    const int n = int(s.range(0));
    const QByteArray products = bench::productFileBytes(n);
    const QByteArray merge = bench::mergeFileBytes(n);
    for (auto _ : s)
        benchmark::DoNotOptimize(catalogue::newProductsFromMerge(products, merge));
}
BENCHMARK(MergeRuleOnly)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

QString trimmedUpperName(QFile& file, int n)
{
    ProductRecord r;
    file.seek(qint64(n - 1) * ProductRecord::Length);
    file.read(r.bytes.data(), ProductRecord::Length);
    return r.text(ProductRecord::item).toUpper();
}

// Each merge record compared with every product, each read from the file, the new ones
// appended one by one.
int literalImport()
{
    QFile products(QStringLiteral("import.dat"));
    QFile merge(QStringLiteral("import.mrg"));
    products.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    merge.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    int count = int(products.size() / ProductRecord::Length);
    const int incoming = int(merge.size() / ProductRecord::Length);
    int imported = 0;
    for (int i = 1; i <= incoming; ++i) {
        ProductRecord m;
        merge.seek(qint64(i - 1) * ProductRecord::Length);
        merge.read(m.bytes.data(), ProductRecord::Length);
        const QString name = m.text(ProductRecord::item).toUpper();
        bool known = false;
        for (int j = 1; j <= count && !known; ++j)
            known = trimmedUpperName(products, j) == name;
        if (known)
            continue;
        ProductRecord r;
        for (data::FixedField f : {ProductRecord::item, ProductRecord::price, ProductRecord::fat, ProductRecord::carb,
                                   ProductRecord::spare2, ProductRecord::category})
            r.copyField(f, m);
        products.seek(qint64(count) * ProductRecord::Length);
        products.write(r.bytes.data(), ProductRecord::Length);
        ++count;
        ++imported;
    }
    return imported;
}

void LiteralMergeImport(benchmark::State& s)
{
    int imported = 0;
    for (auto _ : s) {
        s.PauseTiming();
        prepareImport(int(s.range(0)));
        s.ResumeTiming();
        imported = literalImport();
    }
    s.counters["imported"] = imported;
}
BENCHMARK(LiteralMergeImport)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

void DeleteOne(benchmark::State& s)
{
    const int n = int(s.range(0));
    const QByteArray bytes = bench::productFileBytes(n);
    for (auto _ : s) {
        s.PauseTiming();
        bench::writeFile(QStringLiteral("delete.dat"), bytes);
        data::RecordFile<ProductRecord> products;
        bench::mustWork(products.open(QStringLiteral("delete.dat")));
        s.ResumeTiming();
        bench::mustWork(products.replaceAllBytes(catalogue::keepAfterDeletion(products.readAllBytes(), {n / 2})));
    }
}
BENCHMARK(DeleteOne)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A read per record into the kept copy, then the file deleted and written again record
// by record.
void literalDelete(int selected)
{
    QFile file(QStringLiteral("delete.dat"));
    file.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    const int count = int(file.size() / ProductRecord::Length);
    std::vector<ProductRecord> kept;
    for (int i = 1; i <= count; ++i) {
        ProductRecord r;
        file.seek(qint64(i - 1) * ProductRecord::Length);
        file.read(r.bytes.data(), ProductRecord::Length);
        if (i != selected)
            kept.push_back(r);
    }
    file.close();
    file.remove();
    file.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    for (size_t k = 0; k < kept.size(); ++k) {
        file.seek(qint64(k) * ProductRecord::Length);
        file.write(kept[k].bytes.data(), ProductRecord::Length);
    }
}

void LiteralDeleteOne(benchmark::State& s)
{
    const int n = int(s.range(0));
    const QByteArray bytes = bench::productFileBytes(n);
    for (auto _ : s) {
        s.PauseTiming();
        bench::writeFile(QStringLiteral("delete.dat"), bytes);
        s.ResumeTiming();
        literalDelete(n / 2);
    }
}
BENCHMARK(LiteralDeleteOne)->Arg(1000)->Arg(10000)->Iterations(3)->Unit(benchmark::kMillisecond);

// What the user waits for: Delete pressed in the main window on one highlighted product of
// n, the questions answered, the file rewritten and the Product List rebuilt.
void DeleteCommand(benchmark::State& s)
{
    const QByteArray bytes = bench::productFileBytes(int(s.range(0)));
    for (auto _ : s) {
        s.PauseTiming();
        bench::writeFile(QStringLiteral("command.dat"), bytes);
        model::SharedState state;
        bench::AgreeingDialogs dialogs;
        state.ProductFile = QStringLiteral("command.dat");
        state.CategoryFilter = model::CategoryFilter::all();
        state.Loaded = true;
        bench::mustWork(state.products.open(state.ProductFile));
        app::pantrix1 window(state, dialogs, bench::noPrinter(), bench::noDesktop());
        window.RebuildProductList();
        auto* commands = window.findChild<catalogue::CatalogueCommands*>();
        s.ResumeTiming();
        commands->deleteProducts();
    }
}
BENCHMARK(DeleteCommand)->Arg(100000)->Iterations(3)->Unit(benchmark::kMillisecond);

const int ratios = bench::registerRatios([](const bench::RatioReporter& r) {
    r.printRatio("Merge import 10k: straightforward / Pantrix", "LiteralMergeImport/10000/iterations:1",
                 "MergeImport/10000");
    r.printRatio("Delete 1 of 10k: straightforward / Pantrix", "LiteralDeleteOne/10000/iterations:3",
                 "DeleteOne/10000");
});

} // namespace
