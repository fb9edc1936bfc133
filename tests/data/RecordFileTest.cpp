#include "data/RecordFile.h"
#include "data/FileFaults.h"
#include "data/FileOps.h"
#include "support/FileSizeLimit.h"
#include "support/Fixtures.h"

#include <QFile>

using namespace data;

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

// That the handle follows a file replaced whole is shown by every window test that removes and then reads.
TEST(RecordFile, AFailedReplaceKeepsTheOldFileOpen)
{
    TempFolder folder;
    RecordFile<ShoppingItemRecord> file;
    ASSERT_TRUE(file.open("a.lst").ok());
    ASSERT_TRUE(file.appendBytes(QByteArray(149 * 3, 'o')).ok());
    {
        // The file itself stays as it was, as the safe replace's test shows for every step.
        const FileFaultGuard full(FileStep::Rename, "a.lst", ENOSPC);
        EXPECT_EQ(file.replaceAll({}).error, "Writing a.lst failed: No space left on device");
    }
    EXPECT_EQ(file.count(), 3);
    EXPECT_TRUE(file.append(listItem("4", "", "1")).ok());
}

TEST(FileOps, CopyReplacesByteForByteAndMissingSourceCopiesEmpty)
{
    TempFolder folder;
    const QByteArray bytes("\x00\x01\xFF"
                           "abc",
                           6);
    TempFolder::write("grocery.dat", bytes);
    TempFolder::write("grocery.bak", QByteArray(500, 'z'));
    ASSERT_TRUE(copyFile("grocery.dat", "grocery.bak").ok());
    EXPECT_EQ(TempFolder::read("grocery.bak"), bytes);
    EXPECT_TRUE(deleteFile("grocery.bak").ok());
    EXPECT_TRUE(deleteFile("grocery.bak").ok()) << "already gone counts as deleted";
    EXPECT_FALSE(fileExists("grocery.bak"));
}

TEST(RecordFile, FailedAppendLeavesTheFileAsItWasAndNamesTheCause)
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

TEST(RecordFile, AFileLargerThanItsRecordsCanBeIsRefusedUnreadAndUntouched)
{
    TempFolder folder;
    expectRefused<ShoppingItemRecord>("grocery.lst", kLargestRecordFile);
    expectRefused<NotesRecord>("pantnotes.dat", 3000);
    expectRefused<PrintNoteRecord>("pantnote.dat", 180);
}
