#include "model/StoreFiles.h"
#include "data/FileOps.h"
#include "support/Fixtures.h"

#include <QDir>

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
