#include "data/FileOps.h"
#include "data/FileFaults.h"
#include "data/RecordFile.h"
#include "data/Records.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace data;

namespace {

const QString kList = QStringLiteral("grocery.lst");

QStringList folderEntries()
{
    return QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

TEST(SafeReplace, WriteCutShortByTheDiskLeavesTheOldFile)
{
    struct Case
    {
        qsizetype oldSize, newSize;
        rlim_t limit;
    };
    // Small files were the dangerous ones: their content sat in a buffer until the rename.
    for (const Case c : {Case{1490, 2000, 1000}, Case{100, 40000, 16384}, Case{0, 300, 100}}) {
        TempFolder folder;
        const QByteArray old(c.oldSize, 'o');
        TempFolder::write(kList, old);
        FileResult result;
        {
            FileSizeLimit limit(c.limit);
            result = replaceFileSafely(kList, QByteArray(c.newSize, 'n'));
        }
        EXPECT_FALSE(result.ok()) << c.newSize;
        EXPECT_TRUE(result.error.contains(kList)) << result.error.toStdString();
        EXPECT_EQ(TempFolder::read(kList), old);
        EXPECT_EQ(folderEntries(), QStringList{kList}) << "no temporary file is left behind";
    }
}

TEST(SafeReplace, EveryFailingStepLeavesTheFileAsItWasAndSaysWhy)
{
    struct Case
    {
        FileStep step;
        int error;
        const char* reason;
    };
    for (const Case c :
         {Case{FileStep::Open, EACCES, "Permission denied"}, Case{FileStep::Write, ENOSPC, "No space left on device"},
          Case{FileStep::Flush, EIO, "Input/output error"}, Case{FileStep::Rename, EACCES, "Permission denied"}}) {
        TempFolder folder;
        TempFolder::write(kList, QByteArray("old content"));
        const FileFaultGuard fault(c.step, kList, c.error);
        const FileResult result = replaceFileSafely(kList, QByteArray(5000, 'n'));
        EXPECT_EQ(result.error, QStringLiteral("Writing grocery.lst failed: ") + QLatin1String(c.reason));
        EXPECT_EQ(fault.fired(), 1);
        EXPECT_EQ(TempFolder::read(kList), QByteArray("old content"));
        EXPECT_EQ(folderEntries(), QStringList{kList});
    }
}

TEST(SafeReplace, FollowsLinksToFilesAndKeepsPermissions)
{
    TempFolder folder;
    QDir().mkdir(QStringLiteral("synced"));
    TempFolder::write(QStringLiteral("synced/grocery.dat"), QByteArray("old"));
    ::chmod("synced/grocery.dat", 0640);
    ASSERT_EQ(::symlink("synced/grocery.dat", "grocery.dat"), 0);

    ASSERT_TRUE(replaceFileSafely(QStringLiteral("grocery.dat"), QByteArray("new")).ok());
    EXPECT_TRUE(QFileInfo(QStringLiteral("grocery.dat")).isSymLink()) << "the user's link stays";
    EXPECT_EQ(TempFolder::read(QStringLiteral("synced/grocery.dat")), QByteArray("new"));
    struct stat info;
    ASSERT_EQ(::stat("synced/grocery.dat", &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(SafeReplace, NothingButARegularFileIsReadReplacedOrOpened)
{
    TempFolder folder;
    TempFolder::write(QStringLiteral("grocery.dat"), QByteArray(146, 'p'));
    // A pipe stands in for a device: the same kind of file to the checks, and harmless if
    // they ever fail (replacing a real device would need, and damage, the whole machine).
    ASSERT_EQ(::mkfifo("device", 0600), 0);
    ASSERT_EQ(::symlink("device", "namefile.dat"), 0);
    ASSERT_EQ(::symlink("device", "grocery.bak"), 0);
    ASSERT_EQ(::mkfifo("pantrecp.dat", 0600), 0);
    QDir().mkdir(kList);
    const QString refused = QStringLiteral(" failed: it is not a regular file");

    EXPECT_EQ(replaceFileSafely(QStringLiteral("namefile.dat"), "x").error,
              QStringLiteral("Writing namefile.dat") + refused);
    EXPECT_EQ(copyFile(QStringLiteral("grocery.dat"), QStringLiteral("grocery.bak")).error,
              QStringLiteral("Writing grocery.bak") + refused);
    EXPECT_EQ(copyFile(QStringLiteral("grocery.bak"), QStringLiteral("copy.dat")).error,
              QStringLiteral("Reading grocery.bak") + refused);
    // A pipe is not opened, so not waited on.
    EXPECT_EQ(readFileBytes(QStringLiteral("pantrecp.dat")).result.error,
              QStringLiteral("Reading pantrecp.dat") + refused);
    RecordFile<ShoppingItemRecord> list;
    EXPECT_EQ(list.open(kList).error, QStringLiteral("Opening grocery.lst") + refused);
    EXPECT_FALSE(list.isOpen());
    EXPECT_FALSE(list.append(ShoppingItemRecord()).ok());

    for (const char* name : {"device", "namefile.dat", "grocery.bak"}) {
        struct stat info;
        ASSERT_EQ(::stat(name, &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode)) << name;
    }
    EXPECT_TRUE(QFileInfo(QStringLiteral("namefile.dat")).isSymLink());
    EXPECT_FALSE(fileExists(QStringLiteral("copy.dat")));
}

TEST(SafeReplace, StaleTemporariesAreTidiedAndNothingElse)
{
    TempFolder folder;
    const QStringList stale{QStringLiteral("grocery.dat.pantrix-Ab3xYz"),
                            QStringLiteral("pantrecp.dat.pantrix-000000")};
    const QStringList users{QStringLiteral("grocery.dat.pantrix-old"),    QStringLiteral("grocery.dat.pantrix-ABCDEFG"),
                            QStringLiteral("notes.pantrix-abc123.txt"),   QStringLiteral(".pantrix-abcdef"),
                            QStringLiteral("grocery.dat.pantrix_abcdef"), QStringLiteral("grocery.dat")};
    for (const QString& name : stale + users)
        TempFolder::write(name, QByteArray("x"));
    QDir().mkdir(QStringLiteral("folder.pantrix-abcdef"));
    QDir().mkdir(QStringLiteral("sub"));
    TempFolder::write(QStringLiteral("sub/grocery.dat.pantrix-abcdef"), QByteArray("x"));
    ASSERT_EQ(::symlink("grocery.dat", "link.dat.pantrix-abcdef"), 0);

    EXPECT_EQ(removeStaleTemporaries(), 2);
    QStringList left = users + QStringList{QStringLiteral("folder.pantrix-abcdef"), QStringLiteral("sub"),
                                           QStringLiteral("link.dat.pantrix-abcdef")};
    left.sort();
    EXPECT_EQ(folderEntries(), left);
    EXPECT_TRUE(TempFolder::exists(QStringLiteral("sub/grocery.dat.pantrix-abcdef")));
}
