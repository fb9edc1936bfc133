#include "app/StartFolder.h"
#include "app/FolderLock.h"
#include "data/FileOps.h"
#include "support/Fixtures.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>

#include <map>

using app::FolderLock;
using app::planStart;

namespace {
const QString kHome = QStringLiteral("/home/ann");
}

TEST(StartFolder, ChoosesTheFolderAnswersHelpAndVersionAndRefusesWhatItDoesNotKnow)
{
    const QString here = QDir::currentPath();
    const std::tuple<QStringList, QString, QString> cases[] = {
        // arguments, variable, folder
        {{}, "", ""},
        {{}, "/data", ""},
        {{"--folder", "/srv/lists"}, "", "/srv/lists"},
        {{"--folder=shop/"}, "", here + "/shop"},
        {{"--desktop"}, "", "/home/ann/Pantrix"},
        {{"--desktop"}, "/data/pantrix", "/data/pantrix"},
        {{"--desktop"}, "Documents/Shopping", "/home/ann/Documents/Shopping"},
        {{"--desktop"}, "/home/ann/", "/home/ann/Pantrix"},
        {{"--desktop"}, ".", "/home/ann/Pantrix"},
        {{"--desktop", "--folder", "/srv/lists"}, "/data", "/srv/lists"},
    };
    for (const auto& [arguments, variable, chosen] : cases) {
        const app::StartPlan plan = planStart(QStringList{"pantrix"} + arguments, variable, kHome);
        EXPECT_FALSE(plan.ends()) << arguments.join(' ').toStdString() << ": " << plan.error.toStdString();
        EXPECT_EQ(plan.folder, chosen) << arguments.join(' ').toStdString() << " with " << variable.toStdString();
    }

    const app::StartPlan help = planStart({"/usr/bin/pantrix", "-platform", "xcb", "--help"}, "", kHome);
    EXPECT_TRUE(help.answer.startsWith("Usage: pantrix [options] [list]")) << help.answer.toStdString();
    EXPECT_FALSE(help.answer.contains("platform")) << "the window system's options are its own to tell";
    EXPECT_EQ(planStart({"pantrix", "--help-all"}, "", kHome).answer, help.answer);
    EXPECT_EQ(planStart({"pantrix", "-v"}, "", kHome).answer, "Pantrix 6.1.1\n");
    EXPECT_FALSE(planStart({"pantrix", "-reverse"}, "", kHome).answer.contains("6.1.1"))
        << "a window system option is not read as -r -e -v ...";

    const std::pair<QStringList, const char*> refused[] = {
        {{"--bogus"}, "Unknown option 'bogus'."},
        {{"a.lst", "b.lst"}, "Unexpected argument 'b.lst'."},
        {{"--folder"}, "Missing value after '--folder'."},
        {{"--folder="}, "The option --folder needs a folder."},
    };
    for (const auto& [arguments, error] : refused) {
        const app::StartPlan plan = planStart(QStringList{"pantrix"} + arguments, "", kHome);
        EXPECT_EQ(plan.error, QStringLiteral("pantrix: %1\nTry 'pantrix --help'.\n").arg(error));
        EXPECT_TRUE(plan.folder.isEmpty());
    }
}

TEST(StartFolder, EntersTheFolderCreatingItOrSaysWhyNot)
{
    TempFolder folder;
    EXPECT_EQ(app::enterWorkingFolder({}), QString());
    EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).canonicalPath());

    TempFolder::write("taken", "a file");
    const QString blocked = folder.path() + "/taken/Pantrix";
    EXPECT_EQ(app::enterWorkingFolder(blocked), "Pantrix cannot create the folder " + blocked + ".");
    EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).canonicalPath());

    const QString fresh = folder.path() + "/home/Pantrix";
    EXPECT_EQ(app::enterWorkingFolder(fresh), QString());
    EXPECT_EQ(QDir::currentPath(), QDir(fresh).canonicalPath());
}

namespace {
// Every file of the folder, hidden ones too, with its bytes.
std::map<QString, QByteArray> filesIn(const QString& folder)
{
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
        files[name] = TempFolder::read(QDir(folder).filePath(name));
    return files;
}
} // namespace

TEST(FolderLock, ASecondPantrixOnTheFolderIsTurnedAwayAndChangesNothing)
{
    TempFolder folder;
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49")}));
    TempFolder::write("grocery.lst", {});
    QLockFile running(QDir::current().filePath(FolderLock::kFileName)); // the Pantrix that came first
    ASSERT_TRUE(running.tryLock());
    const auto before = filesIn(folder.path());
    {
        FolderLock second(folder.path());
        EXPECT_EQ(second.acquire(), FolderLock::Outcome::Busy);
        EXPECT_EQ(second.busyMessage(),
                  "Pantrix is already working on the folder " + QDir::toNativeSeparators(folder.path()) +
                      ".\r\n\r\nUse the Pantrix window that is open, or close it and start again.");
    }
    EXPECT_EQ(filesIn(folder.path()), before) << "the lock of the first is left as it was, too";

    // The start-up clean-up takes the lock for none of its own leftovers.
    data::removeStaleTemporaries();
    EXPECT_EQ(filesIn(folder.path()), before);

    running.unlock();
    FolderLock next(folder.path());
    EXPECT_EQ(next.acquire(), FolderLock::Outcome::Locked) << "free again once the first has ended";
}

TEST(FolderLock, TheLockOfAPantrixThatEndedIsTakenOver)
{
    TempFolder folder;
    // A lock as one left behind by a run that was killed: the process named in it is gone.
    QByteArray left;
    {
        QLockFile run(QDir::current().filePath(FolderLock::kFileName));
        ASSERT_TRUE(run.tryLock());
        left = TempFolder::read(FolderLock::kFileName);
    }
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 pid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    left.replace(0, left.indexOf('\n'), QByteArray::number(pid));
    TempFolder::write(FolderLock::kFileName, left);

    FolderLock lock(folder.path());
    EXPECT_EQ(lock.acquire(), FolderLock::Outcome::Locked);
}

TEST(StartFolder, AListNamedIsOpenedAndBringsItsFolderUnlessOneIsChosen)
{
    TempFolder folder;
    QDir().mkpath("shop");
    for (const char* name : {"shop/corner.lst", "shop/notes.txt", "shop/pantlog.lst"})
        TempFolder::write(name, {});
    const QString here = QDir::currentPath();
    const QString shop = here + "/shop";
    const std::tuple<QStringList, QString, QString> cases[] = {
        // arguments, folder, store
        {{"shop/corner.lst"}, shop, shop + "/corner.lst"},
        // The window system's options, also with their values, are not taken for the list.
        {{"-session", "1a2b", "-display", ":1", "--style=fusion", "-reverse", "shop/corner.lst"},
         shop,
         shop + "/corner.lst"},
        {{"--desktop", "shop/corner.lst"}, "/home/ann/Pantrix", shop + "/corner.lst"},
        {{"--folder", "/srv/lists", "shop/corner.lst"}, "/srv/lists", shop + "/corner.lst"},
        // What File > Open refuses is refused where the program would work anyway.
        {{"shop/gone.lst"}, "", shop + "/gone.lst"},
        {{"shop/notes.txt"}, "", shop + "/notes.txt"},
        {{"shop/pantlog.lst"}, "", shop + "/pantlog.lst"},
        {{"gone/x.lst"}, "", here + "/gone/x.lst"},
    };
    for (const auto& [arguments, chosen, store] : cases) {
        const app::StartPlan plan = planStart(QStringList{"pantrix"} + arguments, "", kHome);
        EXPECT_FALSE(plan.ends()) << arguments.join(' ').toStdString() << ": " << plan.error.toStdString();
        EXPECT_EQ(plan.folder, chosen) << arguments.join(' ').toStdString();
        EXPECT_EQ(plan.store, store) << arguments.join(' ').toStdString();
    }
    EXPECT_FALSE(QDir("gone").exists());
}
