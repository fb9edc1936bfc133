#include "BenchSupport.h"

#include "data/Numbers.h"
#include "data/RecordFile.h"
#include "log/LogRules.h"

#include <QDir>
#include <QFile>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace bench {

QTemporaryDir& workFolder()
{
    static QTemporaryDir dir;
    return dir;
}

QByteArray productFileBytes(int n)
{
    static const char* const words[] = {
        "Milk",    "Bread",   "Butter", "Cheese",  "Apple",  "Banana", "Carrot", "Potato", "Onion", "Garlic",
        "Chicken", "Beef",    "Pork",   "Salmon",  "Tuna",   "Rice",   "Pasta",  "Sauce",  "Soup",  "Beans",
        "Coffee",  "Tea",     "Juice",  "Soda",    "Water",  "Chips",  "Cookie", "Cereal", "Oats",  "Honey",
        "Jam",     "Peanut",  "Almond", "Yogurt",  "Cream",  "Egg",    "Flour",  "Sugar",  "Salt",  "Pepper",
        "Frozen",  "Organic", "Whole",  "Low Fat", "Family", "Spicy",  "Sweet",  "Large",  "Small", "Fresh"};
    static const char* const sizes[] = {"8 Oz", "12 Oz", "16 Oz", "1 Lb", "2 Lb", "5 Lb", "1 Gal", "6 Ct", "12 Ct"};
    std::mt19937 random(12345u + unsigned(n));
    auto pick = [&](auto& table) { return table[random() % std::size(table)]; };
    QByteArray bytes;
    bytes.reserve(qsizetype(n) * data::ProductRecord::Length);
    for (int i = 0; i < n; ++i) {
        data::ProductRecord r;
        r.set(data::ProductRecord::item, QStringLiteral("%1 %2 %3")
                                             .arg(QString::fromLatin1(pick(words)), QString::fromLatin1(pick(words)),
                                                  QString::fromLatin1(pick(sizes))));
        r.set(data::ProductRecord::price, QString::number(double(random() % 2000) / 100.0, 'f', 2));
        r.set(data::ProductRecord::fat, random() % 5 == 0 ? QStringLiteral("1") : QStringLiteral(" "));
        r.set(data::ProductRecord::carb, random() % 4 == 0 ? QStringLiteral("1") : QStringLiteral(" "));
        r.set(data::ProductRecord::category,
              QStringLiteral("%1.00 Aisle %2").arg(int(random() % 40), 2, 10, QLatin1Char('0')).arg(random() % 3));
        bytes.append(r.bytes.data(), data::ProductRecord::Length);
    }
    return bytes;
}

std::vector<data::LogRecord> logRecords(int n, int years)
{
    std::mt19937 random(4242u + unsigned(n) + unsigned(years - 10));
    std::vector<data::LogRecord> records(size_t(n), data::LogRecord{});
    const QDate first(2027 - years, 1, 1);
    for (int i = 0; i < n; ++i) {
        data::LogRecord& r = records[size_t(i)];
        r.set(data::LogRecord::entrydate, shoplog::entryDateText(first.addDays(int(random() % unsigned(365 * years)))));
        r.set(data::LogRecord::coupons, data::formatPattern(double(random() % 500) / 100, u"####.00"));
        r.set(data::LogRecord::total, data::formatPattern(double(random() % 30000) / 100, u"####.00"));
        r.set(data::LogRecord::listname, QStringLiteral("Store %1").arg(random() % 40));
        if (i % 3 == 0)
            r.set(data::LogRecord::comment, QStringLiteral("Weekly shop with the usual extras %1").arg(i));
    }
    return records;
}

QByteArray logFileBytes(int n)
{
    return data::bytesFromRecords(logRecords(n, 10));
}

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    // A file that holds the bytes already is left alone, its time of change too, as the
    // files a user starts with are.
    if (file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes)
        return;
    file.close();
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray mergeFileBytes(int n)
{
    using data::ProductRecord;
    std::vector<ProductRecord> records = data::recordsFromBytes<ProductRecord>(productFileBytes(n));
    for (size_t i = 0; i < records.size(); ++i) {
        const QString name = records[i].text(ProductRecord::item);
        records[i].set(ProductRecord::item,
                       i % 2 == 0 ? name.toUpper() : name.left(30) + QStringLiteral(" #%1").arg(i));
    }
    return data::bytesFromRecords(records);
}

QByteArray customListBytes(const std::vector<data::ProductRecord>& products, int n)
{
    using data::CustomListRecord;
    using data::ProductRecord;
    std::mt19937 random(777u + unsigned(n));
    std::vector<CustomListRecord> records(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        CustomListRecord& r = records[size_t(i)];
        r.set(CustomListRecord::list, QStringLiteral("List %1").arg(i / 25));
        const ProductRecord& p = products[random() % products.size()];
        r.set(CustomListRecord::item,
              i % 10 == 9 ? QStringLiteral("Nothing Like It %1").arg(i) : p.text(ProductRecord::item).toLower());
        r.set(CustomListRecord::price, QStringLiteral("1.00"));
        r.set(CustomListRecord::category, QStringLiteral("Old"));
    }
    return data::bytesFromRecords(records);
}

QByteArray shoppingListBytes(const std::vector<data::ProductRecord>& products, int n)
{
    using data::ProductRecord;
    using data::ShoppingItemRecord;
    std::mt19937 random(999u + unsigned(n));
    std::vector<ShoppingItemRecord> items(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const ProductRecord& p = products[random() % products.size()];
        items[size_t(i)].set(ShoppingItemRecord::item, p.get(ProductRecord::item));
        items[size_t(i)].set(ShoppingItemRecord::price, p.get(ProductRecord::price));
        items[size_t(i)].set(ShoppingItemRecord::quantity, QStringLiteral("1"));
        items[size_t(i)].set(ShoppingItemRecord::category, p.get(ProductRecord::category));
    }
    return data::bytesFromRecords(items);
}

double runCommand(const std::vector<std::string>& argv)
{
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.iterations == 0)
            continue;
        seconds_[run.benchmark_name()] = run.real_accumulated_time / double(run.iterations);
        // Times a benchmark measured itself, as counters in milliseconds, and its other
        // counters as they are: "name#key".
        for (const auto& [key, counter] : run.counters) {
            const bool ms = key.size() > 3 && key.compare(key.size() - 3, 3, "_ms") == 0;
            seconds_[run.benchmark_name() + "#" + key] = ms ? counter.value / 1e3 : double(counter.value);
        }
    }
}

double RatioReporter::seconds(const std::string& name) const
{
    const auto found = seconds_.find(name);
    return found == seconds_.end() ? 0 : found->second;
}

void RatioReporter::printRatio(const std::string& label, const std::string& slow, const std::string& fast) const
{
    const double a = seconds(slow);
    const double b = seconds(fast);
    if (a > 0 && b > 0)
        std::printf("  %-58s %9.3f ms / %9.3f ms = %8.1fx\n", label.c_str(), a * 1e3, b * 1e3, a / b);
}

int registerRatios(RatioPrinter printer)
{
    const_cast<std::vector<RatioPrinter>&>(ratioPrinters()).push_back(std::move(printer));
    return 0;
}

const std::vector<RatioPrinter>& ratioPrinters()
{
    static std::vector<RatioPrinter> printers;
    return printers;
}

} // namespace bench
