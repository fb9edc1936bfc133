// The custom list refresh and the opening of a store, against the straightforward
// algorithms: a nested scan reading every product record from the file for every custom
// list record, and a store switch that reads record by record and sorts by neighbour swaps.
#include "BenchSupport.h"

#include "app/pantrix1.h"
#include "customlists/CustomListRefresh.h"
#include "data/FileOps.h"
#include "data/Numbers.h"
#include "data/RecordFile.h"
#include "model/SharedState.h"
#include "model/StoreFiles.h"
#include "stores/StoreCommands.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QListWidget>

#include <memory>
#include <random>

namespace {

using data::CustomListRecord;
using data::ProductRecord;
using data::ShoppingItemRecord;

// Picks the chooser's file and answers every box with OK.
class ChoosingDialogs : public ui::Dialogs
{
public:
    QString chosen;
    ui::Answer message(const ui::Message&) override { return ui::Answer::Ok; }
    QString input(const QString&, const ui::Title&, const QString&) override { return {}; }
    QString openFile(const QString&, const QString&) override { return chosen; }
};

std::vector<ProductRecord> productsOf(const QByteArray& bytes)
{
    return data::recordsFromBytes<ProductRecord>(bytes);
}

// Refresh: the argument is the number of products; the custom list file has a tenth as many.
struct RefreshFiles
{
    QString products;
    QString lists;
    explicit RefreshFiles(int n)
        : products(QStringLiteral("refresh%1.dat").arg(n))
        , lists(QStringLiteral("refresh%1.rcp").arg(n))
    {
        const QByteArray bytes = bench::productFileBytes(n);
        bench::writeFile(products, bytes);
        bench::writeFile(lists, bench::customListBytes(productsOf(bytes), n / 10));
    }
};

void Refresh(benchmark::State& s)
{
    const RefreshFiles files(int(s.range(0)));
    data::RecordFile<ProductRecord> products;
    bench::mustWork(products.open(files.products));
    int updated = 0;
    for (auto _ : s)
        updated = customlists::refreshFile(files.lists, products.readAll()).updated;
    s.counters["updated"] = updated;
}
BENCHMARK(Refresh)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The matching alone, without the backup and the write.
void RefreshRecordsOnly(benchmark::State& s)
{
    const RefreshFiles files(int(s.range(0)));
    const std::vector<ProductRecord> products = productsOf(data::readFileBytes(files.products).bytes);
    const std::vector<CustomListRecord> lists =
        data::recordsFromBytes<CustomListRecord>(data::readFileBytes(files.lists).bytes);
    for (auto _ : s) {
        std::vector<CustomListRecord> copy = lists;
        benchmark::DoNotOptimize(customlists::refreshRecords(copy, products));
    }
}
BENCHMARK(RefreshRecordsOnly)->Arg(100000)->Unit(benchmark::kMillisecond);

// The straightforward refresh: for each custom list record, read the products one record at
// a time from the first until the name matches, then write the record back in place.
int literalRefresh(const QString& productFile, const QString& listFile)
{
    bench::mustWork(data::copyFile(listFile, customlists::kRefreshBackup));
    QFile lists(listFile);
    QFile products(productFile);
    lists.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    products.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    const int count = int(lists.size() / CustomListRecord::Length);
    const int productCount = int(products.size() / ProductRecord::Length);
    int updated = 0;
    for (int r = 1; r <= count; ++r) {
        CustomListRecord record;
        lists.seek(qint64(r - 1) * CustomListRecord::Length);
        lists.read(record.bytes.data(), CustomListRecord::Length);
        const QString wanted = record.text(CustomListRecord::item).toUpper();
        for (int p = 1; p <= productCount; ++p) {
            ProductRecord product;
            products.seek(qint64(p - 1) * ProductRecord::Length);
            products.read(product.bytes.data(), ProductRecord::Length);
            if (product.text(ProductRecord::item).toUpper() != wanted)
                continue;
            record.set(CustomListRecord::price, product.get(ProductRecord::price));
            record.set(CustomListRecord::category, product.get(ProductRecord::category));
            lists.seek(qint64(r - 1) * CustomListRecord::Length);
            lists.write(record.bytes.data(), CustomListRecord::Length);
            ++updated;
            break;
        }
    }
    return updated;
}

void LiteralRefresh(benchmark::State& s)
{
    const RefreshFiles files(int(s.range(0)));
    int updated = 0;
    for (auto _ : s)
        updated = literalRefresh(files.products, files.lists);
    s.counters["updated"] = updated;
}
BENCHMARK(LiteralRefresh)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

// Opening a store: two stores of n products (the second has one more, so the files differ)
// and n/10 items each, opened in turn, so every open meets files it has not decoded before.
struct Stores
{
    QString a, b;
    explicit Stores(int n)
    {
        const QString folder = QDir::current().absoluteFilePath(QStringLiteral("stores%1").arg(n));
        QDir().mkpath(folder);
        a = folder + QStringLiteral("/Alpha.lst");
        b = folder + QStringLiteral("/Beta.lst");
        for (const auto& [list, products, seed] :
             {std::tuple{a, folder + "/Alpha.dat", n}, {b, folder + "/Beta.dat", n + 1}}) {
            const QByteArray bytes = bench::productFileBytes(seed);
            bench::writeFile(products, bytes);
            bench::writeFile(list, bench::shoppingListBytes(productsOf(bytes), n / 10));
        }
    }
};

void OpenStore(benchmark::State& s)
{
    const Stores stores(int(s.range(0)));
    model::SharedState state;
    ChoosingDialogs dialogs;
    state.CategoryFilter = model::CategoryFilter::all();
    state.Loaded = true;
    app::pantrix1 window(state, dialogs, bench::noPrinter(), bench::noDesktop());
    window.resize(1180, 720);
    auto* open = window.findChild<stores::StoreCommands*>();
    int k = 0;
    for (auto _ : s) {
        dialogs.chosen = (++k % 2) ? stores.a : stores.b;
        open->Open();
    }
    s.counters["products"] = state.ProductCount();
    s.counters["items"] = state.ItemCount();
}
BENCHMARK(OpenStore)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The straightforward store switch: the Product List and the category box are each built
// twice (once when the product file is chosen, once after the list is opened) and the
// Shopping List once, each from reads of one record at a time, sorted by neighbour swaps
// and added to its list box row by row.
template<class T, class Key> void neighbourSwapSort(std::vector<T>& rows, Key key)
{
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (size_t j = 0; j + 1 < rows.size(); ++j) {
            if (key(rows[j + 1]) < key(rows[j])) {
                std::swap(rows[j], rows[j + 1]);
                swapped = true;
            }
        }
    }
}

void literalProducts(QFile& file, QListWidget& list, QListWidget& categories)
{
    const int count = int(file.size() / ProductRecord::Length);
    std::vector<std::pair<QString, int>> rows;
    for (int i = 1; i <= count; ++i) {
        ProductRecord r;
        file.seek(qint64(i - 1) * ProductRecord::Length);
        file.read(r.bytes.data(), ProductRecord::Length);
        rows.push_back({r.text(ProductRecord::item), i});
    }
    neighbourSwapSort(rows, [](const auto& row) { return row.first; });
    list.clear();
    for (const auto& row : rows)
        list.addItem(row.first);

    QStringList collected;
    for (int i = 1; i <= count; ++i) {
        ProductRecord r;
        file.seek(qint64(i - 1) * ProductRecord::Length);
        file.read(r.bytes.data(), ProductRecord::Length);
        const QString category = r.text(ProductRecord::category);
        bool known = category.isEmpty();
        for (qsizetype c = 0; c < collected.size() && !known; ++c)
            known = collected[c].toUpper() == category.toUpper();
        if (!known)
            collected.append(category);
    }
    std::vector<QString> sorted(collected.begin(), collected.end());
    neighbourSwapSort(sorted, [](const QString& c) { return c; });
    categories.clear();
    categories.addItem(QStringLiteral("All"));
    for (const QString& c : sorted)
        categories.addItem(c);
}

void literalOpen(const QString& listFile, QListWidget& products, QListWidget& categories, QListWidget& shopping)
{
    QFile productFile(model::storeStem(listFile) + QStringLiteral(".dat"));
    productFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    literalProducts(productFile, products, categories);

    QFile items(listFile);
    items.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    const int count = int(items.size() / ShoppingItemRecord::Length);
    std::vector<std::pair<QString, QString>> rows;
    double total = 0;
    for (int i = 1; i <= count; ++i) {
        ShoppingItemRecord r;
        items.seek(qint64(i - 1) * ShoppingItemRecord::Length);
        items.read(r.bytes.data(), ShoppingItemRecord::Length);
        total += data::parseLenient(r.get(ShoppingItemRecord::price));
        rows.push_back({r.get(ShoppingItemRecord::item), data::formatPattern(total, u"###.00")});
    }
    neighbourSwapSort(rows, [](const auto& row) { return row.first; });
    shopping.clear();
    for (const auto& row : rows)
        shopping.addItem(data::trimBlanks(row.first));

    literalProducts(productFile, products, categories);
}

void LiteralOpenStore(benchmark::State& s)
{
    const Stores stores(int(s.range(0)));
    QListWidget products, categories, shopping;
    int k = 0;
    for (auto _ : s)
        literalOpen((++k % 2) ? stores.a : stores.b, products, categories, shopping);
}
BENCHMARK(LiteralOpenStore)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

const int ratios = bench::registerRatios([](const bench::RatioReporter& r) {
    r.printRatio("Refresh 1k lists x 10k products: straightforward / Pantrix", "LiteralRefresh/10000/iterations:1",
                 "Refresh/10000");
    r.printRatio("Open store 10k products, 1k items: straightforward / Pantrix", "LiteralOpenStore/10000/iterations:1",
                 "OpenStore/10000");
});

} // namespace
