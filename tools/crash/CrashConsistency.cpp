// Kills each whole-file rewrite at a random moment and checks that every file it touches is
// afterwards either exactly as it was or exactly as the finished rewrite leaves it, and that
// the temporary files a kill leaves behind beside the files they were to replace are all
// tidied by removeStaleTemporaries(). A rewrite of two files (the category rename) is also
// counted as mixed when a kill leaves one file new and the other old: the two renames are the
// one moment that can happen, which nothing short of a journal closes.
//
//   pantrix_crash_check [--trials N] [--seed S]

#include "catalogue/CategoryRules.h"
#include "catalogue/CouponRules.h"
#include "catalogue/ProductDeletion.h"
#include "customlists/CustomListRefresh.h"
#include "customlists/CustomListRules.h"
#include "data/FileOps.h"
#include "data/RecordFile.h"
#include "data/Records.h"
#include "log/LogRules.h"
#include "model/SharedState.h"
#include "notes/NotesRules.h"
#include "print/PrintSettingsRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using data::CustomListRecord;
using data::ProductRecord;
using data::ShoppingItemRecord;
using Clock = std::chrono::steady_clock;

// Lists are kept small on purpose: small files once went through a write buffer that hid
// the failures of the final flush.
constexpr int kProducts = 3000;
constexpr int kItems = 60;
constexpr int kCustomRecords = 2000;
constexpr int kLogEntries = 500;

const QString kProductFile = QStringLiteral("grocery.dat");
const QString kListFile = QStringLiteral("grocery.lst");

ProductRecord productNumber(int i)
{
    ProductRecord r;
    r.set(ProductRecord::item, QStringLiteral("Product %1").arg(i));
    r.set(ProductRecord::price, QStringLiteral("%1.%2").arg(i % 20).arg(i % 100, 2, 10, QLatin1Char('0')));
    r.set(ProductRecord::category, i % 3 ? QStringLiteral("Dairy") : QStringLiteral("Bakery"));
    return r;
}

std::vector<ProductRecord> products()
{
    std::vector<ProductRecord> all;
    for (int i = 0; i < kProducts; ++i)
        all.push_back(productNumber(i));
    return all;
}

std::vector<ShoppingItemRecord> items()
{
    std::vector<ShoppingItemRecord> all;
    for (int i = 0; i < kItems; ++i) {
        ShoppingItemRecord r;
        r.set(ShoppingItemRecord::item, QStringLiteral("Product %1").arg(i * 7));
        r.set(ShoppingItemRecord::quantity, QStringLiteral("1"));
        r.set(ShoppingItemRecord::category, i % 2 ? QStringLiteral("dairy") : QStringLiteral("Bakery"));
        all.push_back(r);
    }
    return all;
}

std::vector<CustomListRecord> customRecords()
{
    std::vector<CustomListRecord> all;
    for (int i = 0; i < kCustomRecords; ++i) {
        CustomListRecord r;
        r.set(CustomListRecord::list, i % 4 ? QStringLiteral("Weekly") : QStringLiteral("Party"));
        r.set(CustomListRecord::item, QStringLiteral("Product %1").arg(i * 3 % kProducts));
        all.push_back(r);
    }
    return all;
}

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
        std::exit(2);
    }
}

std::vector<int> everyNth(int count, int n)
{
    std::vector<int> numbers;
    for (int k = 1; k <= count; k += n)
        numbers.push_back(k);
    return numbers;
}

bool ok(const data::FileResult& result)
{
    if (!result)
        std::fprintf(stderr, "%s\n", qPrintable(result.error));
    return result.ok();
}

struct Kind
{
    const char* name;
    QStringList files;             // every file the rewrite may touch
    std::function<bool()> perform; // in the working folder prepared by prepare()
    bool together = false;         // its files change together or not at all
};

void prepare()
{
    writeFile(kProductFile, data::bytesFromRecords(products()));
    writeFile(kListFile, data::bytesFromRecords(items()));
    writeFile(customlists::kCustomListFile, data::bytesFromRecords(customRecords()));
    const data::NotesRecord note = notes::notesRecord(QStringLiteral("Old note\nkept whole"));
    writeFile(notes::kNotesFile, QByteArray(note.bytes.data(), data::NotesRecord::Length));
    writeFile(print::kSettingsFile, QByteArray("141 1 1 1 2").leftJustified(data::PrintSettingsRecord::Length, '\0'));
    writeFile(print::kCommentFile, QByteArray("Old comment").leftJustified(3 * data::PrintNoteRecord::Length));
    QByteArray log;
    for (int i = 1; i <= kLogEntries; ++i) {
        data::LogRecord entry;
        entry.set(data::LogRecord::entrydate, QStringLiteral("01-%1-27").arg(i % 28 + 1, 2, 10, QLatin1Char('0')));
        entry.set(data::LogRecord::total, QStringLiteral("%1.00").arg(i));
        entry.set(data::LogRecord::listname, QStringLiteral("grocery"));
        log.append(entry.bytes.data(), data::LogRecord::Length);
    }
    writeFile(shoplog::kLogFile, log);
}

std::vector<Kind> kinds()
{
    const QStringList productFiles{kProductFile};
    const QStringList listFiles{kListFile};
    const QStringList customFiles{customlists::kCustomListFile};
    return {
        {"list clear", listFiles,
         [] {
             data::RecordFile<ShoppingItemRecord> list;
             return ok(list.open(kListFile)) && ok(list.replaceAll({}));
         }},
        {"list remove", listFiles,
         [] {
             data::RecordFile<ShoppingItemRecord> list;
             if (!ok(list.open(kListFile)))
                 return false;
             std::vector<ShoppingItemRecord> kept = list.readAll();
             kept.erase(kept.begin() + 5, kept.begin() + 9);
             return ok(list.replaceAll(kept));
         }},
        {"product deletion", productFiles,
         [] {
             data::RecordFile<ProductRecord> file;
             if (!ok(file.open(kProductFile)))
                 return false;
             return ok(file.replaceAllBytes(catalogue::keepAfterDeletion(file.readAllBytes(), everyNth(kProducts, 5))));
         }},
        {"price stripping", productFiles,
         [] {
             data::RecordFile<ProductRecord> file;
             return ok(file.open(kProductFile)) && ok(catalogue::stripPrices(file));
         }},
        {"category rename", productFiles + listFiles,
         [] {
             model::SharedState state;
             if (!ok(state.products.open(kProductFile)) || !ok(state.items.open(kListFile)))
                 return false;
             return ok(catalogue::renameCategory(state, QStringLiteral("Dairy"), QStringLiteral("02.10 Dairy")));
         },
         true},
        {"custom list remove", customFiles,
         [] {
             data::RecordFile<CustomListRecord> file;
             if (!ok(file.open(customlists::kCustomListFile)))
                 return false;
             return ok(file.replaceAll(customlists::withoutRecords(file.readAll(), everyNth(kCustomRecords, 3))));
         }},
        {"custom list delete", customFiles,
         [] {
             data::RecordFile<CustomListRecord> file;
             if (!ok(file.open(customlists::kCustomListFile)))
                 return false;
             return ok(file.replaceAll(customlists::withoutList(file.readAll(), QStringLiteral("Party"))));
         }},
        {"custom list refresh", customFiles + QStringList{customlists::kRefreshBackup},
         [] {
             std::vector<ProductRecord> all = products();
             for (ProductRecord& p : all)
                 p.set(ProductRecord::price, QStringLiteral("9.99"));
             return ok(customlists::refreshFile(customlists::kCustomListFile, all).result);
         }},
        {"log entry delete",
         {shoplog::kLogFile},
         [] {
             shoplog::LogFile log;
             return ok(log.open(shoplog::kLogFile)) && ok(shoplog::deleteEntry(log, 7));
         }},
        {"notes save", {notes::kNotesFile}, [] { return ok(notes::writeNotes(QStringLiteral("New\nnote"))); }},
        {"print settings save",
         {print::kSettingsFile, print::kCommentFile},
         [] {
             print::PrintChoices choices;
             choices.fontSize = QStringLiteral("18");
             choices.bold = choices.price = true;
             return ok(print::writeCommentLines({QStringLiteral("Cash only"), {}, QStringLiteral("Bags")})) &&
                    ok(print::writeSettingsRecord(print::recordFromChoices(choices, print::readSettingsRecord())));
         }},
    };
}

using Snapshot = std::map<QString, std::optional<QByteArray>>;

Snapshot snapshot(const QStringList& files)
{
    Snapshot taken;
    for (const QString& name : files) {
        QFile file(name);
        taken[name] = file.open(QIODevice::ReadOnly) ? std::optional(file.readAll()) : std::nullopt;
    }
    return taken;
}

void emptyFolder()
{
    QDir folder = QDir::current();
    for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        folder.remove(entry);
}

// Runs the rewrite in a child; with a delay, kills it after that long. True when the child
// was killed before it finished.
bool runChild(const Kind& kind, std::optional<std::chrono::microseconds> killAfter, bool& failed)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(kind.perform() ? 0 : 1);
    if (killAfter) {
        std::this_thread::sleep_for(*killAfter);
        kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    failed = WIFEXITED(status) && WEXITSTATUS(status) != 0;
    return WIFSIGNALED(status);
}

struct Tally
{
    int trials = 0;
    int killed = 0;
    int torn = 0;
    int temporaries = 0;
    int untidy = 0;
    int failed = 0;
    int mixed = 0;
};

// A temporary the tidying removes: one whose file is there beside it. One whose file was
// not there yet (a first backup) stays, as a user's file of that look would.
bool tidiedAway(const QString& temporary)
{
    const QString own = temporary.left(temporary.lastIndexOf(QStringLiteral(".pantrix-")));
    return data::isSafeReplaceTemporary(temporary) && QFileInfo::exists(own);
}

Tally runKind(const Kind& kind, int trials, std::mt19937& random)
{
    emptyFolder();
    prepare();
    const Snapshot before = snapshot(kind.files);
    if (!kind.perform()) {
        std::fprintf(stderr, "%s does not run\n", kind.name);
        std::exit(2);
    }
    const Snapshot after = snapshot(kind.files);

    // How long the rewrite takes in a child, so that kills land before, during and after it.
    std::vector<Clock::duration> took;
    for (int i = 0; i < 5; ++i) {
        emptyFolder();
        prepare();
        bool failed = false;
        const auto start = Clock::now();
        runChild(kind, std::nullopt, failed);
        took.push_back(Clock::now() - start);
    }
    std::sort(took.begin(), took.end());
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(took[took.size() / 2]) * 6 / 5;
    std::uniform_int_distribution<long> moment(0, std::max<long>(1, long(span.count())));

    Tally tally;
    for (int t = 0; t < trials; ++t) {
        emptyFolder();
        prepare();
        bool failed = false;
        ++tally.trials;
        tally.killed += runChild(kind, std::chrono::microseconds(moment(random)), failed);
        tally.failed += failed;
        const Snapshot now = snapshot(kind.files);
        bool anyOld = false;
        bool anyNew = false;
        for (const QString& name : kind.files) {
            tally.torn += now.at(name) != before.at(name) && now.at(name) != after.at(name);
            // Only files the rewrite changes tell old from new.
            if (before.at(name) != after.at(name)) {
                anyOld = anyOld || now.at(name) == before.at(name);
                anyNew = anyNew || now.at(name) == after.at(name);
            }
        }
        tally.mixed += kind.together && anyOld && anyNew;
        int temporaries = 0;
        int ours = 0;
        for (const QString& entry : QDir::current().entryList(QDir::Files | QDir::Hidden)) {
            temporaries += data::isSafeReplaceTemporary(entry);
            ours += tidiedAway(entry);
        }
        tally.temporaries += temporaries;
        tally.untidy += data::removeStaleTemporaries() != ours;
        for (const QString& entry : QDir::current().entryList(QDir::Files | QDir::Hidden))
            tally.untidy += tidiedAway(entry);
    }
    return tally;
}

} // namespace

int main(int argc, char** argv)
{
    int trials = 1000;
    unsigned seed = std::random_device{}();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--trials")
            trials = std::atoi(argv[i + 1]);
        else if (option == "--seed")
            seed = unsigned(std::strtoul(argv[i + 1], nullptr, 10));
    }
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        return 2;
    std::mt19937 random(seed);

    std::printf("seed %u\n%-20s %7s %7s %6s %12s %7s %6s\n", seed, "kind", "trials", "killed", "torn", "temporaries",
                "untidy", "mixed");
    bool sound = true;
    for (const Kind& kind : kinds()) {
        const Tally t = runKind(kind, trials, random);
        std::printf("%-20s %7d %7d %6d %12d %7d %6d\n", kind.name, t.trials, t.killed, t.torn, t.temporaries, t.untidy,
                    t.mixed);
        std::fflush(stdout);
        sound = sound && t.torn == 0 && t.untidy == 0 && t.failed == 0;
    }
    std::printf("killed: stopped before the rewrite finished; torn: files neither wholly old nor wholly new;\n"
                "temporaries: left by kills, all removed by removeStaleTemporaries where their file is there,\n"
                "unless counted as untidy; mixed: a two-file rewrite left one file new and one old (the\n"
                "moment between its renames; not counted against soundness)\n");
    return sound ? 0 : 1;
}
