// The Shopping List printout with unit prices: the name index built once per printout,
// against a scan of the product file from record 1 for every item.
#include "BenchSupport.h"

#include "data/Numbers.h"
#include "data/RecordFile.h"
#include "print/ShoppingListPrintout.h"
#include "print/UnitPrices.h"

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

const int kRatios = bench::registerRatios([](const bench::RatioReporter& r) {
    r.printRatio("unit prices 10k items x 10k products: scan / index", "ScannedPrices/10000/10000/iterations:1",
                 "PrintoutWithPrices/10000/10000");
    r.printRatio("unit prices 1k items x 10k products: scan / index", "ScannedPrices/1000/10000/iterations:1",
                 "PrintoutWithPrices/1000/10000");
});

} // namespace
