#include "catalogue/MergeRules.h"
#include "data/RecordFile.h"
#include "support/Fixtures.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace catalogue;
using data::ProductRecord;

namespace {
QStringList names(const std::vector<ProductRecord>& records)
{
    QStringList out;
    for (const ProductRecord& r : records)
        out << r.text(ProductRecord::item);
    return out;
}
} // namespace

TEST(MergeRules, OnlyNamesNotYetKnownAreTaken)
{
    ProductRecord milk = product("Milk", "2.10", "Dairy", true, true);
    milk.set(ProductRecord::spare1, u"spare one");
    milk.set(ProductRecord::spare2, u"spare two");
    const std::vector local{product("Bread", "2.00", "Bakery"), product("  Apple Pie", "4.00")};
    const std::vector merge{product("bread", "2.50", "Other"), milk, product("APPLE PIE  "), product("MILK", "9.99"),
                            product("Tea")};
    const auto added = data::recordsFromBytes<ProductRecord>(newProductsFromMerge(bytesOf(local), bytesOf(merge)));
    EXPECT_EQ(names(added), (QStringList{"Milk", "Tea"})) << "case and blanks ignored; first Milk wins";
    EXPECT_EQ(added[0].get(ProductRecord::price), milk.get(ProductRecord::price));
    EXPECT_EQ(added[0].get(ProductRecord::spare2), milk.get(ProductRecord::spare2));
    EXPECT_EQ(added[0].get(ProductRecord::spare1), QString(30, QChar(0))) << "spare1 is not taken over";
    EXPECT_EQ(added[0].get(ProductRecord::category), milk.get(ProductRecord::category));
    EXPECT_EQ(added[0].get(ProductRecord::fat), "1");
}

TEST(MergeRules, ImportAppendsKeepsGroceryOldAndRemovesTheMergeFile)
{
    TempFolder folder;
    const std::vector local{product("Bread", "2.00", "Bakery"), product("Milk", "2.49", "Dairy")};
    const std::vector merge{product("bread", "2.50"), product("Jam", "3.00"), product("jam "), product("Tea")};
    TempFolder::write("corner.dat", bytesOf(local));
    TempFolder::write("corner.mrg", bytesOf(merge));
    data::RecordFile<ProductRecord> products;
    products.open("corner.dat");

    std::vector<std::pair<qsizetype, qsizetype>> told;
    const ImportResult r =
        importMergeFile(products, "corner.mrg", [&told](qsizetype d, qsizetype t) { told.emplace_back(d, t); });
    EXPECT_TRUE(r.result.ok()) << r.result.error.toStdString();
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.imported, 2);
    EXPECT_EQ(TempFolder::read("corner.dat"), bytesOf(std::vector{local[0], local[1], merge[1], merge[3]}));
    EXPECT_EQ(products.count(), 4) << "the product file is open again";
    EXPECT_EQ(TempFolder::read("grocery.old"), bytesOf(merge));
    EXPECT_FALSE(TempFolder::exists("corner.mrg"));
    EXPECT_EQ(told.back(), std::make_pair(qsizetype(4), qsizetype(4)));

    TempFolder::write("corner.mrg", bytesOf(std::vector{product("MILK"), product("tea")}));
    const ImportResult again = importMergeFile(products, "corner.mrg");
    EXPECT_TRUE(again.found);
    EXPECT_EQ(again.imported, 0);
    EXPECT_EQ(products.count(), 4);
    EXPECT_FALSE(TempFolder::exists("corner.mrg")) << "consumed even when nothing was new";
}

TEST(MergeRules, MissingOrEmptyMergeFileChangesNothing)
{
    TempFolder folder;
    TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk")}));
    data::RecordFile<ProductRecord> products;
    products.open("grocery.dat");
    EXPECT_FALSE(importMergeFile(products, "grocery.mrg").found);
    EXPECT_FALSE(TempFolder::exists("grocery.mrg")) << "not created by looking";
    TempFolder::write("grocery.mrg", QByteArray(100, 'x'));
    EXPECT_FALSE(importMergeFile(products, "grocery.mrg").found) << "less than one record";
    EXPECT_FALSE(TempFolder::exists("grocery.old"));
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
