#include "model/StoreFiles.h"
#include "data/FileOps.h"
#include "support/Fixtures.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

using namespace model;

// The windows' tests show "My.Store.lst" as the store "My" with "My.dat"; a folder's dot is no extension.
TEST(StoreFiles, NamesOfAStoreInAFolderWithADot)
{
    EXPECT_EQ(storeBaseName("/home/jo.doe/lists/corner.lst"), "corner");
    EXPECT_EQ(ownProductFile("/home/jo.doe/lists/corner.lst"), "/home/jo.doe/lists/corner.dat");
}

TEST(StoreFiles, RememberedListRoundTripsWhateverItsName)
{
    TempFolder folder;
    EXPECT_EQ(rememberedListBytes(folder.path() + "/corner.lst"), QByteArray("corner.lst") + QByteArray(20, ' '))
        << "a list in the working folder is kept by its bare name";
    const QString thirty(30, 'x');
    EXPECT_EQ(rememberedListBytes(thirty).size(), 30);
    const QString far = "/srv/shared/pantrix lists/weekly/The Corner Shop.lst";
    const QByteArray twoRecords = rememberedListBytes(far);
    EXPECT_EQ(twoRecords.size(), 60);
    EXPECT_EQ(rememberedListFrom(twoRecords), far);
    EXPECT_EQ(rememberedListFrom(rememberedListBytes("Café.lst")), "Café.lst");

    // Names outside the code page.
    QDir().mkdir(QString::fromUtf8("Документы"));
    for (const QString& name :
         {QString::fromUtf8("Łódź.lst"), folder.path() + QString::fromUtf8("/Документы/store.lst"),
          QString::fromUtf8("/srv/x/名前 100%.lst")}) {
        const QByteArray bytes = rememberedListBytes(name);
        EXPECT_EQ(bytes.size() % 30, 0);
        EXPECT_EQ(bytes.left(30), QByteArray("grocery.lst") + QByteArray(19, ' '))
            << "an older edition reads record 1 only and opens the default list";
        EXPECT_EQ(rememberedListFrom(bytes), name);
    }
    QByteArray damaged = QByteArray("grocery.lst") + QByteArray(19, ' ') + QByteArray(30, '\0');
    EXPECT_EQ(rememberedListFrom(damaged), "grocery.lst");
    EXPECT_EQ(rememberedListFrom(QByteArray(30, '\0')), "") << "zero bytes are no name";
}

// What goes is shown by the main window's quit; here, what is spared.
TEST(StoreFiles, EliminationSparesTheDefaultStoreAndFilesThatHoldBytes)
{
    TempFolder folder;
    EXPECT_FALSE(storeIsEliminable(0, 0, "GROCERY.LST"));
    EXPECT_FALSE(storeIsEliminable(0, 0, folder.path() + "/grocery.lst"));
    EXPECT_FALSE(storeIsEliminable(1, 0, "corner.lst"));
    EXPECT_FALSE(storeIsEliminable(0, 1, "corner.lst"));

    QDir().mkdir("elsewhere");
    TempFolder::write("elsewhere/config.txt", QByteArray(90, 'x'));
    TempFolder::write("namefile.dat", rememberedListBytes("elsewhere/config.txt"));
    EXPECT_FALSE(storeIsEliminable(0, 0, "elsewhere/config.txt")) << "bytes, if not a whole record";
    EXPECT_FALSE(eliminateStore("elsewhere/config.txt", "grocery.dat").ok());
    EXPECT_EQ(TempFolder::read("elsewhere/config.txt").size(), 90);
    EXPECT_TRUE(TempFolder::exists("namefile.dat"));

    TempFolder::write("corner.lst", {});
    TempFolder::write("corner.dat", QByteArray(10, 'x'));
    EXPECT_FALSE(storeIsEliminable(0, 0, "corner.lst")) << "its own product file holds bytes";
    ASSERT_TRUE(eliminateStore("corner.lst", "grocery.dat").ok());
    EXPECT_FALSE(TempFolder::exists("corner.lst"));
    EXPECT_EQ(TempFolder::read("corner.dat").size(), 10);
}

TEST(StoreFiles, TheMergeProbeRemovesOnlyAnEmptyMergeFile)
{
    TempFolder folder;
    EXPECT_FALSE(probeMergeFile("grocery.mrg"));
    EXPECT_FALSE(TempFolder::exists("grocery.mrg")) << "the probe's own empty file goes";
    TempFolder::write("grocery.mrg", {});
    EXPECT_FALSE(probeMergeFile("grocery.mrg"));
    EXPECT_FALSE(TempFolder::exists("grocery.mrg"));
    TempFolder::write("grocery.mrg", QByteArray(100, 'm'));
    EXPECT_FALSE(probeMergeFile("grocery.mrg"));
    EXPECT_EQ(TempFolder::read("grocery.mrg"), QByteArray(100, 'm')) << "shorter than a record, but not empty";
}

TEST(StoreFiles, TheStartBacksUpProductsOnlyOverADifferentBackup)
{
    const QByteArray milk = bytesOf(std::vector{product("Milk", "2.49")});
    const QByteArray jam = bytesOf(std::vector{product("Jam", "1.99")});
    const QDateTime earlier = QDateTime::currentDateTime().addDays(-1);
    // The products, and the backup there before; then the backup after the start.
    const std::tuple<QByteArray, QByteArray, QByteArray> cases[] = {
        {{}, milk, milk},  // no products: the only good copy stays
        {milk, jam, milk}, // same size, other bytes, the products not newer
    };
    for (const auto& [products, before, after] : cases) {
        TempFolder folder;
        TempFolder::write("grocery.dat", products);
        TempFolder::write("grocery.bak", before);
        QFile file("grocery.dat");
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(earlier, QFileDevice::FileModificationTime));
        file.close();
        EXPECT_TRUE(backUpProducts().ok());
        EXPECT_EQ(TempFolder::read("grocery.bak"), after) << products.size() << " " << before.size();
    }
}

TEST(StoreFiles, TheRememberedListPassesTheChecksOfOpenOrTheDefaultListIsUsed)
{
    TempFolder folder;
    QDir().mkdir("elsewhere");
    TempFolder::write("elsewhere/shop.lst", {});
    const QString chosen = folder.path() + "/elsewhere/shop.lst";
    const QString instead = "; grocery.lst is used instead.";
    // The name in namefile.dat; then the list opened and the line the start-up message gets.
    const std::tuple<QString, QString, QString> cases[] = {
        {"corner.lst", "corner.lst", ""},
        {chosen, chosen, ""},
        {"pantlog.dat", "grocery.lst", "\"pantlog.dat\", which is not a .lst file"},
        {"/etc/passwd", "grocery.lst", "\"/etc/passwd\", which is not a .lst file"},
        {"pantrecp.lst", "grocery.lst", "\"pantrecp.lst\", which is one of the program's own files"},
        {".hidden.lst", "grocery.lst", "\".hidden.lst\", which is a hidden file"},
        {"../../victim.lst", "grocery.lst", "\"../../victim.lst\", which leads out of its folder"},
        {"elsewhere/shop.lst", "grocery.lst", "\"elsewhere/shop.lst\", which is in no folder a list was opened from"},
        {folder.path() + "/gone/x.lst", "grocery.lst", "\"" + folder.path() + "/gone/x.lst\", which is not there"},
        {"a\x01\nb.lst", "grocery.lst", "\"a??b.lst\", which holds control characters"},
        {"C:\\PANTRIX\\corner.lst", "grocery.lst", "\"C:\\PANTRIX\\corner.lst\", which is a Windows path"},
    };
    for (const auto& [remembered, opened, line] : cases) {
        // Written as by hand (printf '%-30s' name > namefile.dat), in records of 30 bytes.
        const QByteArray bytes = remembered.toLatin1();
        TempFolder::write("namefile.dat", bytes.leftJustified((bytes.size() + 29) / 30 * 30, ' '));
        QStringList errors;
        EXPECT_EQ(prepareFirstLoad(&errors), opened) << remembered.toStdString();
        EXPECT_EQ(errors, line.isEmpty() ? QStringList() : QStringList{"namefile.dat names the list " + line + instead})
            << remembered.toStdString();
    }
    EXPECT_EQ(QDir("elsewhere").entryList(QDir::Files), QStringList{"shop.lst"});
    EXPECT_FALSE(TempFolder::exists("gone"));
}
