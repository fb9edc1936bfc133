#include "data/FileOps.h"
#include "data/FileFaults.h"
#include "data/RecordFile.h"
#include "support/FileSizeLimit.h"
#include "support/Fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    // The old size, the new size, and the size the disk allows. Small files were the dangerous
    // ones: their content sat in a buffer until the rename.
    const std::tuple<qsizetype, qsizetype, rlim_t> cases[] = {{1490, 2000, 1000}, {100, 40000, 16384}, {0, 300, 100}};
    for (const auto& [oldSize, newSize, allowed] : cases) {
        TempFolder folder;
        const QByteArray old(oldSize, 'o');
        TempFolder::write(kList, old);
        FileResult result;
        {
            FileSizeLimit limit(allowed);
            result = replaceFileSafely(kList, QByteArray(newSize, 'n'));
        }
        EXPECT_FALSE(result.ok()) << newSize;
        EXPECT_TRUE(result.error.contains(kList)) << result.error.toStdString();
        EXPECT_EQ(TempFolder::read(kList), old);
        EXPECT_EQ(folderEntries(), QStringList{kList}) << "no temporary file is left behind";
    }
}

TEST(SafeReplace, EveryFailingStepLeavesTheFileAsItWasAndSaysWhy)
{
    const std::tuple<FileStep, int, QString> cases[] = {{FileStep::Open, EACCES, "Permission denied"},
                                                        {FileStep::Write, ENOSPC, "No space left on device"},
                                                        {FileStep::Flush, EIO, "Input/output error"},
                                                        {FileStep::Rename, EACCES, "Permission denied"}};
    for (const auto& [step, error, reason] : cases) {
        TempFolder folder;
        TempFolder::write(kList, QByteArray("old content"));
        const FileFaultGuard fault(step, kList, error);
        const FileResult result = replaceFileSafely(kList, QByteArray(5000, 'n'));
        EXPECT_EQ(result.error, "Writing grocery.lst failed: " + reason);
        EXPECT_EQ(fault.fired(), 1);
        EXPECT_EQ(TempFolder::read(kList), QByteArray("old content"));
        EXPECT_EQ(folderEntries(), QStringList{kList});
    }
}

TEST(SafeReplace, TwoFilesChangeTogetherOrNotAtAll)
{
    const QString first = "grocery.lst";
    const QString second = "grocery.dat";
    // Steps of either file; the second file's rename comes after the first is in place.
    const std::tuple<FileStep, QString> faults[] = {
        {FileStep::Write, first}, {FileStep::Rename, first}, {FileStep::Flush, second}, {FileStep::Rename, second}};
    for (const auto& [step, file] : faults) {
        TempFolder folder;
        TempFolder::write(first, "old list");
        TempFolder::write(second, "old products");
        ::chmod(qPrintable(first), 0640);
        const FileFaultGuard fault(step, file);
        const FileResult result = replaceFilesTogether(first, "new list", second, "new products");
        EXPECT_EQ(result.error, "Writing " + file + " failed: No space left on device");
        EXPECT_EQ(TempFolder::read(first), "old list") << file.toStdString() << int(step);
        EXPECT_EQ(TempFolder::read(second), "old products") << file.toStdString() << int(step);
        EXPECT_EQ(folderEntries(), (QStringList{second, first})) << "no temporary file is left behind";
        struct stat info;
        ASSERT_EQ(::stat(qPrintable(first), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0640u) << "the file put back is the one that was there";
    }
    TempFolder folder;
    ASSERT_TRUE(replaceFilesTogether(first, "new list", second, "new products").ok());
    EXPECT_EQ(TempFolder::read(first), "new list");
    EXPECT_EQ(TempFolder::read(second), "new products");
    EXPECT_EQ(folderEntries(), (QStringList{second, first}));
}

TEST(SafeReplace, ALargeCopyIsExactOrLeavesTheOldCopy)
{
    // Large enough to be copied around the page cache, and no whole number of its blocks.
    TempFolder folder;
    QByteArray products(3 * 1024 * 1024 + 1234, Qt::Uninitialized);
    for (qsizetype i = 0; i < products.size(); ++i)
        products[i] = char(i * 7 + i / 4096);
    TempFolder::write("grocery.dat", products);
    TempFolder::write("grocery.bak", "old");
    {
        FileSizeLimit limit(2 * 1024 * 1024);
        EXPECT_FALSE(copyFile("grocery.dat", "grocery.bak").ok());
    }
    EXPECT_EQ(TempFolder::read("grocery.bak"), "old");
    ASSERT_TRUE(copyFile("grocery.dat", "grocery.bak").ok());
    EXPECT_EQ(TempFolder::read("grocery.bak"), products);
    EXPECT_EQ(folderEntries(), (QStringList{"grocery.bak", "grocery.dat"}));
    // A longer copy is replaced byte for byte; deleting what is gone counts as deleted.
    const QByteArray small("\x00\x01\xFF"
                           "abc",
                           6);
    TempFolder::write("grocery.dat", small);
    ASSERT_TRUE(copyFile("grocery.dat", "grocery.bak").ok());
    EXPECT_EQ(TempFolder::read("grocery.bak"), small);
    EXPECT_TRUE(deleteFile("grocery.bak").ok());
    EXPECT_TRUE(deleteFile("grocery.bak").ok());
    EXPECT_FALSE(fileExists("grocery.bak"));
}

TEST(SafeReplace, FollowsLinksToFilesAndKeepsPermissions)
{
    TempFolder folder;
    QDir().mkdir("synced");
    TempFolder::write("synced/grocery.dat", QByteArray("old"));
    ::chmod("synced/grocery.dat", 0640);
    ASSERT_EQ(::symlink("synced/grocery.dat", "grocery.dat"), 0);

    ASSERT_TRUE(replaceFileSafely("grocery.dat", QByteArray("new")).ok());
    EXPECT_TRUE(QFileInfo("grocery.dat").isSymLink()) << "the user's link stays";
    EXPECT_EQ(TempFolder::read("synced/grocery.dat"), QByteArray("new"));
    struct stat info;
    ASSERT_EQ(::stat("synced/grocery.dat", &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(SafeReplace, NothingButARegularFileIsReadReplacedOrOpened)
{
    TempFolder folder;
    TempFolder::write("grocery.dat", QByteArray(146, 'p'));
    // A pipe stands in for a device: the same kind of file to the checks, and harmless if
    // they ever fail (replacing a real device would need, and damage, the whole machine).
    ASSERT_EQ(::mkfifo("device", 0600), 0);
    ASSERT_EQ(::symlink("device", "namefile.dat"), 0);
    ASSERT_EQ(::symlink("device", "grocery.bak"), 0);
    ASSERT_EQ(::mkfifo("pantrecp.dat", 0600), 0);
    QDir().mkdir(kList);
    const QString refused = QStringLiteral(" failed: it is not a regular file");

    EXPECT_EQ(replaceFileSafely("namefile.dat", "x").error, "Writing namefile.dat" + refused);
    EXPECT_EQ(copyFile("grocery.dat", "grocery.bak").error, "Writing grocery.bak" + refused);
    EXPECT_EQ(copyFile("grocery.bak", "copy.dat").error, "Reading grocery.bak" + refused);
    // A pipe is not opened, so not waited on.
    EXPECT_EQ(readFileBytes("pantrecp.dat").result.error, "Reading pantrecp.dat" + refused);
    RecordFile<ShoppingItemRecord> list;
    EXPECT_EQ(list.open(kList).error, "Opening grocery.lst" + refused);
    EXPECT_FALSE(list.isOpen());
    EXPECT_FALSE(list.append(ShoppingItemRecord()).ok());

    for (const char* name : {"device", "namefile.dat", "grocery.bak"}) {
        struct stat info;
        ASSERT_EQ(::stat(name, &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode)) << name;
    }
    EXPECT_TRUE(QFileInfo("namefile.dat").isSymLink());
    EXPECT_FALSE(fileExists("copy.dat"));
}

TEST(SafeReplace, StaleTemporariesAreTidiedAndNothingElse)
{
    TempFolder folder;
    const QStringList stale{"grocery.dat.pantrix-Ab3xYz", "Corner.LST.pantrix-000000"};
    // Names alike that are not the program's: no such file of the program beside them, or
    // not a kind of file the program keeps.
    const QStringList users{"grocery.dat.pantrix-old",
                            "grocery.dat.pantrix-ABCDEFG",
                            "notes.pantrix-abc123.txt",
                            ".pantrix-abcdef",
                            "grocery.dat.pantrix_abcdef",
                            "grocery.dat",
                            "Corner.LST",
                            "pantrecp.dat.pantrix-abcdef",
                            "my notes.txt",
                            "my notes.txt.pantrix-zzzzzz"};
    for (const QString& name : stale + users)
        TempFolder::write(name, QByteArray("x"));
    QDir().mkdir("folder.pantrix-abcdef");
    QDir().mkdir("sub");
    TempFolder::write("sub/grocery.dat.pantrix-abcdef", QByteArray("x"));
    ASSERT_EQ(::symlink("grocery.dat", "link.dat.pantrix-abcdef"), 0);

    EXPECT_EQ(removeStaleTemporaries(), 2);
    QStringList left = users + QStringList{"folder.pantrix-abcdef", "sub", "link.dat.pantrix-abcdef"};
    left.sort();
    EXPECT_EQ(folderEntries(), left);
    EXPECT_TRUE(TempFolder::exists("sub/grocery.dat.pantrix-abcdef"));
}

namespace {

template<class T> void expectRefused(const QString& name, qint64 largest)
{
    SCOPED_TRACE(name.toStdString());
    RecordFile<T> file;
    TempFolder::write(name, {});
    ASSERT_TRUE(QFile::resize(name, largest)); // sparse: the length costs no disk
    EXPECT_TRUE(file.open(name).ok()) << "as large as such a file can be";
    ASSERT_TRUE(QFile::resize(name, largest + 1));
    EXPECT_EQ(file.open(name).error,
              QStringLiteral("Reading %1 failed: the file is larger than it can be (%2 bytes; at most %3)")
                  .arg(name, QString::number(largest + 1), QString::number(largest)));
    EXPECT_TRUE(file.readAll().empty());
    EXPECT_FALSE(file.append(T()).ok() || file.replaceAll({}).ok() || copyFile(name, "copy", largest).ok());
    EXPECT_EQ(QFile(name).size(), largest + 1) << "left as it was";
}

} // namespace

TEST(RecordFile, OpenCreatesAndCountsWholeRecordsOnly)
{
    TempFolder folder;
    RecordFile<ProductRecord> gone;
    EXPECT_TRUE(gone.open("gone/grocery.dat").error.contains("gone/grocery.dat")) << "a missing folder";
    EXPECT_EQ(gone.count(), 0);
    EXPECT_FALSE(gone.append(ProductRecord()).ok());
    EXPECT_FALSE(replaceFileSafely("gone/grocery.dat", QByteArray("x")).ok());

    RecordFile<ShoppingItemRecord> file;
    ASSERT_TRUE(file.open("grocery.lst").ok());
    EXPECT_TRUE(TempFolder::exists("grocery.lst"));
    EXPECT_EQ(file.count(), 0);
    file.close();

    // Two records and a partial third written by some other program.
    TempFolder::write("grocery.lst", QByteArray(149 * 2 + 50, 'x'));
    ASSERT_TRUE(file.open("grocery.lst").ok());
    EXPECT_EQ(file.count(), 2);
    EXPECT_EQ(file.readAll().size(), 2u);
    EXPECT_EQ(file.read(3), ShoppingItemRecord()) << "beyond the end reads as zero bytes";

    // Appending lands after the whole records; the partial tail is overwritten, not kept.
    ASSERT_TRUE(file.append(listItem("Milk", "", "1")).ok());
    EXPECT_EQ(QFile("grocery.lst").size(), 149 * 3);
    EXPECT_EQ(file.read(3).text(ShoppingItemRecord::item), "Milk");
    EXPECT_FALSE(file.write(5, ShoppingItemRecord()).ok()) << "no gaps";
}

TEST(RecordFile, FailedWritesAndFilesTooLargeLeaveTheFileAsItWasAndNameTheCause)
{
    TempFolder folder;
    // Two records and a partial third from another program: the append would overwrite it.
    const QByteArray original = QByteArray(149 * 2, 'a') + QByteArray(60, 't');
    TempFolder::write("a.lst", original);
    RecordFile<ShoppingItemRecord> file;
    ASSERT_TRUE(file.open("a.lst").ok());
    {
        const FileFaultGuard full(FileStep::Write, "a.lst");
        EXPECT_EQ(file.appendBytes(QByteArray(149 * 3, 'n')).error, "Writing a.lst failed: No space left on device");
    }
    EXPECT_EQ(TempFolder::read("a.lst"), original);
    EXPECT_EQ(file.count(), 2);
    {
        const FileFaultGuard full(FileStep::Write, "a.lst", EIO);
        EXPECT_FALSE(file.write(1, listItem("Edited", "", "1")).ok());
    }
    EXPECT_EQ(TempFolder::read("a.lst"), original) << "a record edited in place is put back";

    // A real limit rather than the seam: the kernel takes part of the write, then refuses.
    FileResult limited;
    {
        const FileSizeLimit limit(149 * 2 + 100);
        limited = file.append(listItem("Milk", "", "1"));
    }
    EXPECT_EQ(limited.error, "Writing a.lst failed: File too large");
    EXPECT_EQ(TempFolder::read("a.lst"), original);
    EXPECT_TRUE(file.append(listItem("Milk", "", "1")).ok());
    EXPECT_EQ(file.count(), 3);

    // A failed replace keeps the old file open; that the handle follows a file replaced whole is
    // shown by every window test that removes and then reads.
    {
        const FileFaultGuard full(FileStep::Rename, "a.lst", ENOSPC);
        EXPECT_EQ(file.replaceAll({}).error, "Writing a.lst failed: No space left on device");
    }
    EXPECT_EQ(file.count(), 3);
    EXPECT_TRUE(file.append(listItem("4", "", "1")).ok());

    expectRefused<ShoppingItemRecord>("grocery.lst", kLargestRecordFile);
    expectRefused<NotesRecord>("pantnotes.dat", 3000);
    expectRefused<PrintNoteRecord>("pantnote.dat", 180);
}
