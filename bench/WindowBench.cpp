// Whole commands as the user feels them, through the real main window, from the event to the
// window at rest: start-up with 100k products and 10k items against an empty folder (as a
// whole run of the program and inside this process), and at that size merge import, the
// deletion of one product, Add of 100 products, a category switch and F12. Each is set
// against the empty-folder start-up and against its rule alone, measured in the same run.
#include "BenchSupport.h"

#include "app/pantrix1.h"
#include "customlists/CustomListRules.h"
#include "data/FileOps.h"
#include "data/RecordFile.h"
#include "model/SharedState.h"
#include "model/ShoppingListRules.h"
#include "model/StoreFiles.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QListView>
#include <QListWidget>
#include <QProcess>
#include <QTest>

#include <memory>

#include <unistd.h>

namespace {

constexpr int kProducts = 100000;
constexpr int kItems = 10000;

// Handles everything the command queued (layouts, paints, deferred deletions).
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The folders: "empty", and "full" with 100k products, 10k items, a merge file of 100k
// records and 10k custom list records. Made once; restore() puts the full one back after a
// command changed it.
struct Folders
{
    QString empty;
    QString full;
    QByteArray products;
    QByteArray items;
    QByteArray merge;
    QByteArray lists;

    static Folders& get()
    {
        static Folders folders;
        return folders;
    }
    void restore() const
    {
        const QString back = QDir::currentPath();
        QDir::setCurrent(full);
        bench::writeFile(model::kDefaultProducts, products);
        bench::writeFile(model::kDefaultList, items);
        bench::writeFile(model::mergeFileFor(model::kDefaultProducts), merge);
        bench::writeFile(customlists::kCustomListFile, lists);
        bench::mustWork(data::deleteFile(model::kNameFile));
        QDir::setCurrent(back);
    }

private:
    Folders()
    {
        const QDir work(bench::workFolder().path());
        work.mkpath(QStringLiteral("empty"));
        work.mkpath(QStringLiteral("full"));
        empty = work.filePath(QStringLiteral("empty"));
        full = work.filePath(QStringLiteral("full"));
        products = bench::productFileBytes(kProducts);
        const auto records = data::recordsFromBytes<data::ProductRecord>(products);
        items = bench::shoppingListBytes(records, kItems);
        merge = bench::mergeFileBytes(kProducts);
        lists = bench::customListBytes(records, kItems);
        restore();
    }
};

// The main window started as the program starts it, in one of the folders.
struct Started
{
    model::SharedState state;
    bench::AgreeingDialogs dialogs;
    std::unique_ptr<app::pantrix1> window;

    explicit Started(const QString& folder)
    {
        QDir::setCurrent(folder);
        window = std::make_unique<app::pantrix1>(state, dialogs, bench::noPrinter(), bench::noDesktop());
        window->resize(1180, 720);
        window->show();
        window->Load();
        settle();
    }
    ~Started()
    {
        window.reset();
        QDir::setCurrent(bench::workFolder().path());
    }
    template<class T> T* find(const char* name) const { return window->findChild<T*>(QLatin1String(name)); }
    void trigger(const char* action) const { find<QAction>(action)->trigger(); }
    void selectProducts(int first, int count) const
    {
        QListView* list = find<QListView>("List1");
        const QModelIndex from = list->model()->index(first, 0);
        list->selectionModel()->setCurrentIndex(from, QItemSelectionModel::ClearAndSelect);
        list->selectionModel()->select(QItemSelection(from, list->model()->index(first + count - 1, 0)),
                                       QItemSelectionModel::Select);
    }
};

QString folderOf(const benchmark::State& s)
{
    return s.range(0) == 0 ? Folders::get().empty : Folders::get().full;
}

// Whole runs of the program, process start to exit (window shown and loaded, Esc). Three
// starts are taken in turn, so that a busy moment of the machine weighs on all alike: the
// empty folder; 100k products and 10k items; the same with the products edited since the
// last run's backup (in their last byte), so that the backup is written again. Each start
// finds nothing waiting for the disk, as a user's files written long ago. The medians are
// the counters; the iteration time is the full start's.
void StartupRun(benchmark::State& s)
{
    const std::string probe =
        (QCoreApplication::applicationDirPath() + QStringLiteral("/pantrix_start_probe")).toStdString();
    const Folders& folders = Folders::get();
    QByteArray stale = folders.products;
    stale.back() = stale.back() == 'x' ? 'y' : 'x';
    auto start = [&probe](const QString& folder) {
        ::sync();
        return bench::runCommand({probe, folder.toStdString()});
    };
    std::vector<double> empty;
    std::vector<double> full;
    std::vector<double> edited;
    auto changedAt = [&folders](const QString& name, int daysAgo) {
        QFile file(folders.full + QStringLiteral("/") + name);
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(QDateTime::currentDateTime().addDays(-daysAgo), QFileDevice::FileModificationTime);
    };
    for (auto _ : s) {
        folders.restore();
        changedAt(model::kDefaultProducts, 1); // before the last run made its backup
        empty.push_back(start(folders.empty));
        full.push_back(start(folders.full));
        s.SetIterationTime(full.back());
        bench::writeFile(folders.full + QStringLiteral("/") + model::kStartupBackup, stale);
        changedAt(model::kStartupBackup, 2); // the products were edited after it
        edited.push_back(start(folders.full));
    }
    auto median = [](std::vector<double> v) {
        std::nth_element(v.begin(), v.begin() + qsizetype(v.size() / 2), v.end());
        return v[v.size() / 2] * 1e3;
    };
    s.counters["empty_ms"] = median(empty);
    s.counters["full_ms"] = median(full);
    s.counters["edited_ms"] = median(edited);
    // The memory of the full window at rest, from one more run.
    QProcess run;
    run.start(QString::fromStdString(probe), {folders.full});
    run.waitForFinished();
    for (const QByteArray& line : run.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 2)
            s.counters[words[0] == "rss-kb" ? "rest_MB" : "peak_MB"] = words[1].toDouble() / 1024.0;
    }
}
BENCHMARK(StartupRun)->Iterations(15)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same start inside this process: window built, shown, loaded, at rest, then Esc.
void StartupWindow(benchmark::State& s)
{
    for (auto _ : s) {
        s.PauseTiming();
        Folders::get().restore();
        s.ResumeTiming();
        Started started(folderOf(s));
        QTest::keyClick(started.window.get(), Qt::Key_Escape);
        settle();
    }
}
BENCHMARK(StartupWindow)->Arg(0)->Arg(kProducts)->Iterations(5)->Unit(benchmark::kMillisecond);

// Runs a command on a freshly started full window, timing only the command.
template<class Command> void timeCommand(benchmark::State& s, Command command)
{
    for (auto _ : s) {
        s.PauseTiming();
        Folders::get().restore();
        auto started = std::make_unique<Started>(Folders::get().full);
        s.ResumeTiming();
        command(*started);
        settle();
        s.PauseTiming();
        started.reset();
        s.ResumeTiming();
    }
}

void MergeImportWindow(benchmark::State& s)
{
    timeCommand(s, [](Started& w) { w.trigger("mergecmd"); });
}
BENCHMARK(MergeImportWindow)->Iterations(3)->Unit(benchmark::kMillisecond);

void DeleteOneWindow(benchmark::State& s)
{
    timeCommand(s, [](Started& w) {
        w.selectProducts(kProducts / 2, 1);
        w.trigger("deleteProductAction");
    });
}
BENCHMARK(DeleteOneWindow)->Iterations(3)->Unit(benchmark::kMillisecond);

void Add100Window(benchmark::State& s)
{
    timeCommand(s, [](Started& w) {
        w.selectProducts(1000, 100);
        w.trigger("addAction");
    });
}
BENCHMARK(Add100Window)->Iterations(3)->Unit(benchmark::kMillisecond);

// Add's rules alone: 100 items made from their products and the list view rebuilt.
void Add100RuleOnly(benchmark::State& s)
{
    const auto products = data::recordsFromBytes<data::ProductRecord>(Folders::get().products);
    const auto items = data::recordsFromBytes<data::ShoppingItemRecord>(Folders::get().items);
    for (auto _ : s) {
        std::vector<data::ShoppingItemRecord> list = items;
        for (int i = 0; i < 100; ++i)
            list.push_back(*model::shoppingItemFor(products[size_t(1000 + i)], QStringLiteral("1")));
        benchmark::DoNotOptimize(model::buildShoppingList(list, model::ListOrder::Alphabetical));
    }
}
BENCHMARK(Add100RuleOnly)->Unit(benchmark::kMillisecond);

void CategorySwitchWindow(benchmark::State& s)
{
    timeCommand(s, [](Started& w) {
        auto* categories = w.find<QListWidget>("Combo1");
        QTest::mouseClick(categories->viewport(), Qt::LeftButton, {},
                          categories->visualItemRect(categories->item(3)).center());
    });
}
BENCHMARK(CategorySwitchWindow)->Iterations(3)->Unit(benchmark::kMillisecond);

void F12Window(benchmark::State& s)
{
    timeCommand(s, [](Started& w) { QTest::keyClick(w.window.get(), Qt::Key_F12); });
}
BENCHMARK(F12Window)->Iterations(3)->Unit(benchmark::kMillisecond);

const int ratios = bench::registerRatios([](const bench::RatioReporter& r) {
    const std::string empty = "StartupRun/iterations:15/manual_time#empty_ms";
    const std::string emptyWindow = "StartupWindow/0/iterations:5";
    r.printRatio("Start-up 100k/10k: whole run / empty folder (goal 2x)",
                 "StartupRun/iterations:15/manual_time#full_ms", empty);
    r.printRatio("  the same, products edited since the last run", "StartupRun/iterations:15/manual_time#edited_ms",
                 empty);
    r.printRatio("Start-up 100k/10k in process / empty folder", "StartupWindow/100000/iterations:5", emptyWindow);
    const char* const commands[][2] = {{"MergeImportWindow", "MergeImport/100000"},
                                       {"DeleteOneWindow", "DeleteOne/100000"},
                                       {"Add100Window", "Add100RuleOnly"},
                                       {"CategorySwitchWindow", "FilterOnly/100000"},
                                       {"F12Window", "Refresh/100000"}};
    for (const auto& [command, rule] : commands) {
        const std::string name = std::string(command) + "/iterations:3";
        r.printRatio(std::string(command) + " / empty-folder start-up", name, empty);
        if (*rule)
            r.printRatio(std::string(command) + " / " + rule, name, rule);
    }
});

} // namespace
