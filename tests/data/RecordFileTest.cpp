#include "data/RecordFile.h"
#include "data/FileFaults.h"
#include "data/FileOps.h"
#include "data/Records.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

#include <QFile>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace data;

namespace {
ShoppingItemRecord item(const QString& name)
{
    ShoppingItemRecord r;
    r.set(ShoppingItemRecord::item, name);
    r.set(ShoppingItemRecord::quantity, QStringLiteral("1"));
    return r;
}
} // namespace

TEST(RecordFile, OpenCreatesAndCountsWholeRecordsOnly)
{
    TempFolder folder;
    RecordFile<ShoppingItemRecord> file;
    ASSERT_TRUE(file.open(QStringLiteral("grocery.lst")).ok());
    EXPECT_TRUE(TempFolder::exists(QStringLiteral("grocery.lst")));
    EXPECT_EQ(file.count(), 0);
    file.close();

    // Two records and a partial third written by some other program.
    TempFolder::write(QStringLiteral("grocery.lst"), QByteArray(149 * 2 + 50, 'x'));
    ASSERT_TRUE(file.open(QStringLiteral("grocery.lst")).ok());
    EXPECT_EQ(file.count(), 2);
    EXPECT_EQ(file.readAll().size(), 2u);
    EXPECT_EQ(file.read(3), ShoppingItemRecord()) << "beyond the end reads as zero bytes";

    // Appending lands after the whole records; the partial tail is overwritten, not kept.
    ASSERT_TRUE(file.append(item(QStringLiteral("Milk"))).ok());
    EXPECT_EQ(file.count(), 3);
    EXPECT_EQ(QFile(QStringLiteral("grocery.lst")).size(), 149 * 3);
    EXPECT_EQ(file.read(3).text(ShoppingItemRecord::item), QStringLiteral("Milk"));
}

TEST(RecordFile, WriteInPlaceKeepsTheOtherBytes)
{
    TempFolder folder;
    QByteArray original;
    for (int i = 0; i < 3; ++i) {
        ShoppingItemRecord r = item(QStringLiteral("Item %1").arg(i));
        r.bytes[148] = char(0x7f); // a spare byte someone else wrote
        original.append(r.bytes.data(), 149);
    }
    TempFolder::write(QStringLiteral("a.lst"), original);
    RecordFile<ShoppingItemRecord> file;
    ASSERT_TRUE(file.open(QStringLiteral("a.lst")).ok());
    ShoppingItemRecord second = file.read(2);
    second.set(ShoppingItemRecord::quantity, QStringLiteral("2"));
    ASSERT_TRUE(file.write(2, second).ok());

    QByteArray expected = original;
    expected[149 + 46] = '2';
    EXPECT_EQ(TempFolder::read(QStringLiteral("a.lst")), expected);
    EXPECT_FALSE(file.write(5, second).ok()) << "no gaps";
}

TEST(RecordFile, ReplaceAllIsAtomicAndReopens)
{
    TempFolder folder;
    RecordFile<ShoppingItemRecord> file;
    ASSERT_TRUE(file.open(QStringLiteral("a.lst")).ok());
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(file.append(item(QString::number(i))).ok());
    auto records = file.readAll();
    records.erase(records.begin() + 1);
    ASSERT_TRUE(file.replaceAll(records).ok());
    EXPECT_EQ(file.count(), 4);
    EXPECT_EQ(QFile(QStringLiteral("a.lst")).size(), 596);
    ASSERT_TRUE(file.append(item(QStringLiteral("new"))).ok()) << "the handle follows the new file";
    EXPECT_EQ(recordsFromBytes<ShoppingItemRecord>(TempFolder::read(QStringLiteral("a.lst")))[4].text(
                  ShoppingItemRecord::item),
              QStringLiteral("new"));
}

TEST(FileOps, CopyReplacesByteForByteAndMissingSourceCopiesEmpty)
{
    TempFolder folder;
    TempFolder::write(QStringLiteral("grocery.dat"), QByteArray("\x00\x01\xFF"
                                                                "abc",
                                                                6));
    TempFolder::write(QStringLiteral("grocery.bak"), QByteArray(500, 'z'));
    ASSERT_TRUE(copyFile(QStringLiteral("grocery.dat"), QStringLiteral("grocery.bak")).ok());
    EXPECT_EQ(TempFolder::read(QStringLiteral("grocery.bak")), QByteArray("\x00\x01\xFF"
                                                                          "abc",
                                                                          6));
    EXPECT_TRUE(deleteFile(QStringLiteral("grocery.bak")).ok());
    EXPECT_TRUE(deleteFile(QStringLiteral("grocery.bak")).ok()) << "already gone counts as deleted";
    EXPECT_FALSE(fileExists(QStringLiteral("grocery.bak")));
}

TEST(RecordFile, MissingFolderIsReportedAndReadsAsEmpty)
{
    TempFolder folder;
    RecordFile<ProductRecord> file;
    const FileResult opened = file.open(QStringLiteral("gone/grocery.dat"));
    EXPECT_FALSE(opened.ok());
    EXPECT_TRUE(opened.error.contains(QStringLiteral("gone/grocery.dat")));
    EXPECT_EQ(file.count(), 0);
    EXPECT_FALSE(file.append(ProductRecord()).ok());
    EXPECT_FALSE(replaceFileSafely(QStringLiteral("gone/grocery.dat"), QByteArray("x")).ok());
}

TEST(RecordFile, FailedAppendLeavesTheFileAsItWasAndNamesTheCause)
{
    TempFolder folder;
    // Two records and a partial third from another program: the append would overwrite it.
    const QByteArray original = QByteArray(149 * 2, 'a') + QByteArray(60, 't');
    TempFolder::write(QStringLiteral("a.lst"), original);
    RecordFile<ShoppingItemRecord> file;
    ASSERT_TRUE(file.open(QStringLiteral("a.lst")).ok());
    {
        const FileFaultGuard full(FileStep::Write, QStringLiteral("a.lst"));
        EXPECT_EQ(file.appendBytes(QByteArray(149 * 3, 'n')).error,
                  QStringLiteral("Writing a.lst failed: No space left on device"));
    }
    EXPECT_EQ(TempFolder::read(QStringLiteral("a.lst")), original);
    EXPECT_EQ(file.count(), 2);
    {
        const FileFaultGuard full(FileStep::Write, QStringLiteral("a.lst"), EIO);
        EXPECT_FALSE(file.write(1, item(QStringLiteral("Edited"))).ok());
    }
    EXPECT_EQ(TempFolder::read(QStringLiteral("a.lst")), original) << "a record edited in place is put back";

    // A real limit rather than the seam: the kernel takes part of the write, then refuses.
    FileResult limited;
    {
        const FileSizeLimit limit(149 * 2 + 100);
        limited = file.append(item(QStringLiteral("Milk")));
    }
    EXPECT_EQ(limited.error, QStringLiteral("Writing a.lst failed: File too large"));
    EXPECT_EQ(TempFolder::read(QStringLiteral("a.lst")), original);
    EXPECT_TRUE(file.append(item(QStringLiteral("Milk"))).ok());
    EXPECT_EQ(file.count(), 3);
}

TEST(RecordFile, FailedReplaceAllKeepsTheOldFileOpen)
{
    TempFolder folder;
    RecordFile<ShoppingItemRecord> file;
    ASSERT_TRUE(file.open(QStringLiteral("a.lst")).ok());
    ASSERT_TRUE(file.replaceAll({item(QStringLiteral("1")), item(QStringLiteral("2"))}).ok());
    const QByteArray before = TempFolder::read(QStringLiteral("a.lst"));
    {
        const FileFaultGuard full(FileStep::Rename, QStringLiteral("a.lst"), ENOSPC);
        EXPECT_EQ(file.replaceAll({}).error, QStringLiteral("Writing a.lst failed: No space left on device"));
    }
    EXPECT_EQ(TempFolder::read(QStringLiteral("a.lst")), before);
    EXPECT_EQ(file.count(), 2);
    EXPECT_TRUE(file.append(item(QStringLiteral("3"))).ok());
}
