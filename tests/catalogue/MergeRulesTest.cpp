#include "catalogue/MergeRules.h"
#include "support/Fixtures.h"

using namespace catalogue;
using data::ProductRecord;

TEST(MergeRules, OnlyNamesNotYetKnownAreTaken)
{
    ProductRecord milk = product("Milk", "2.10", "Dairy", true, true);
    milk.set(ProductRecord::spare1, u"spare one");
    milk.set(ProductRecord::spare2, u"spare two");
    const std::vector local{product("Bread", "2.00", "Bakery"), product("  Apple Pie", "4.00")};
    const std::vector merge{product("bread", "2.50", "Other"), milk, product("APPLE PIE  "), product("MILK", "9.99"),
                            product("Tea")};
    const auto added = data::recordsFromBytes<ProductRecord>(newProductsFromMerge(bytesOf(local), bytesOf(merge)));
    ProductRecord milkAdded = milk;
    milkAdded.clear(ProductRecord::spare1);
    EXPECT_EQ(added, (std::vector{milkAdded, merge[4]})) << "case and blanks ignored; first Milk wins; no spare1";
}

TEST(MergeRules, ImportSkipsMissingOrShortFilesAndBacksUpTheMergeFile)
{
    TempFolder folder;
    TempFolder::write("corner.dat", bytesOf(std::vector{product("Bread", "2.00", "Bakery")}));
    data::RecordFile<ProductRecord> products;
    ASSERT_TRUE(products.open("corner.dat"));
    EXPECT_FALSE(importMergeFile(products, "corner.mrg").found);
    EXPECT_FALSE(TempFolder::exists("corner.mrg")) << "not created by looking";
    TempFolder::write("corner.mrg", QByteArray(100, 'x'));
    EXPECT_FALSE(importMergeFile(products, "corner.mrg").found) << "less than one record";
    EXPECT_FALSE(TempFolder::exists("grocery.old"));

    const std::vector merge{product("bread", "2.50"), product("Jam", "3.00"), product("Tea")};
    TempFolder::write("corner.mrg", bytesOf(merge));
    std::vector<std::pair<qsizetype, qsizetype>> told;
    const ImportResult r =
        importMergeFile(products, "corner.mrg", [&told](qsizetype d, qsizetype t) { told.emplace_back(d, t); });
    EXPECT_TRUE(r.result.ok()) << r.result.error.toStdString();
    EXPECT_EQ(TempFolder::read("grocery.old"), bytesOf(merge)) << "in the working folder, whatever the store";
    EXPECT_EQ(told.back(), std::make_pair(qsizetype(3), qsizetype(3)));
}

TEST(MergeRules, FirstRemovableVolumeUnderTheRoots)
{
    const QStringList roots{"/media/ann", "/run/media/ann"};
    EXPECT_EQ(firstRemovableVolume(roots, {"/", "/run/media/ann/STICK", "/media/ann/USB B", "/media/ann/USB A"}),
              "/media/ann/USB A");
    EXPECT_EQ(firstRemovableVolume(roots, {"/run/media/ann/STICK", "/media/annex/X"}), "/run/media/ann/STICK");
    EXPECT_EQ(firstRemovableVolume(roots, {"/", "/home", "/media/ann", "/media/ann/a/b"}), "");
    EXPECT_EQ(firstRemovableVolume({}, {"/media/ann/USB"}), "");
}
