#include "app/FolderLock.h"
#include "data/FileOps.h"
#include "support/Fixtures.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>

#include <map>

using app::FolderLock;

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
