#include "catalogue/CommonProductData.h"
#include "catalogue/MergeRules.h"
#include "catalogue/ProductText.h"
#include "data/RecordFile.h"
#include "support/FileSizeLimit.h"
#include "support/Fixtures.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace catalogue;
using data::ProductRecord;

namespace {

std::vector<ProductRecord> common()
{
    return data::recordsFromBytes<ProductRecord>(commonProductRecords());
}

} // namespace

TEST(CommonProducts, ShipAsWholeRecordsWithUniqueNamesAndAisledCategories)
{
    const QByteArray bytes = commonProductRecords();
    ASSERT_EQ(bytes.size() % ProductRecord::Length, 0);
    const std::vector<ProductRecord> products = common();
    EXPECT_GE(products.size(), 150u);

    const QRegularExpression aisled(QStringLiteral("^\\d\\d\\.\\d\\d \\S"));
    QSet<QString> names;
    QSet<QString> categories;
    int fat = 0;
    int carb = 0;
    for (const ProductRecord& p : products) {
        const QString name = p.text(ProductRecord::item);
        EXPECT_FALSE(name.isEmpty());
        EXPECT_FALSE(names.contains(name.toUpper())) << name.toStdString();
        names.insert(name.toUpper());
        EXPECT_TRUE(aisled.match(p.text(ProductRecord::category)).hasMatch()) << name.toStdString();
        categories.insert(p.text(ProductRecord::category));
        EXPECT_EQ(p.get(ProductRecord::price), "      ") << "no price: " << name.toStdString();
        fat += p.text(ProductRecord::fat) == u"1";
        carb += p.text(ProductRecord::carb) == u"1";
    }
    EXPECT_GE(categories.size(), 12);
    EXPECT_GT(fat, 0);
    EXPECT_GT(carb, 0);
}

TEST(CommonProducts, TextLinesBecomeProductsAsTheEditorSavesThem)
{
    const ProductText read = productsFromText(u"# note\r\n\nMilk 1 Gal|02.00 Dairy|1|0\r\nBread|04.00 Bakery|0|1\n");
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(data::recordsFromBytes<ProductRecord>(read.records),
              (std::vector{product("Milk 1 Gal", "", "02.00 Dairy", true),
                           product("Bread", "", "04.00 Bakery", false, true)}));
}

TEST(CommonProducts, TextLinesThatBreakARuleAreRefusedByLine)
{
    const QString good = QStringLiteral("Tea|13.00 Beverages|0|0\n");
    const struct
    {
        QString line;
        const char* problem;
    } cases[] = {
        {"Milk|02.00 Dairy|0", "four fields"},
        {"|02.00 Dairy|0|0", "empty name"},
        {"Milk | 02.00 Dairy|0|0", "blanks around"},
        {"milk 1 gal|02.00 Dairy|0|0", "not capitalised"},
        {"Milk|Dairy|0|0", "no aisle number"},
        {"Milk|2.00 Dairy|0|0", "aisle without leading zero"},
        {"Milk|02.00 Dairy Products Refrigerated|0|0", "category too long"},
        {QString(41, u'M') + "|02.00 Dairy|0|0", "name too long"},
        {"Milk \u0100|02.00 Dairy|0|0", "not in the code page"},
        {"Milk|02.00 Dairy|yes|0", "mark not 0 or 1"},
        {"TEA|13.00 Beverages|0|0", "name again, other case"},
    };
    for (const auto& c : cases) {
        const ProductText read = productsFromText(good + c.line);
        EXPECT_FALSE(read.ok()) << c.problem;
        EXPECT_EQ(read.line, 2) << c.problem;
        EXPECT_TRUE(read.records.isEmpty()) << c.problem;
    }
}

TEST(CommonProducts, ImportAddsOnlyTheNamesTheFileDoesNotKnow)
{
    TempFolder folder;
    const QByteArray all = commonProductRecords();
    data::RecordFile<ProductRecord> products;
    products.open("grocery.dat");

    AppendResult r = appendNewProducts(products, all);
    EXPECT_TRUE(r.result.ok()) << r.result.error.toStdString();
    EXPECT_EQ(r.added, int(common().size()));
    EXPECT_EQ(TempFolder::read("grocery.dat"), all) << "into an empty file: all of them, in their order";

    r = appendNewProducts(products, all);
    EXPECT_EQ(r.added, 0) << "again: none";
    EXPECT_EQ(TempFolder::read("grocery.dat"), all);

    const ProductRecord first = common().front();
    const QString name = first.text(ProductRecord::item);
    const std::vector local{product("  " + name.toLower() + " ", "1.99", "My Own"), product("Quince Paste", "4.00")};
    TempFolder::write("corner.dat", bytesOf(local));
    products.open("corner.dat");
    r = appendNewProducts(products, all);
    EXPECT_EQ(r.added, int(common().size()) - 1) << "known in another case, with blanks around";
    EXPECT_EQ(TempFolder::read("corner.dat"), bytesOf(local) + all.mid(ProductRecord::Length))
        << "existing products unchanged";
}

TEST(CommonProducts, AFailedAppendLeavesTheFileAsItWas)
{
    TempFolder folder;
    const QByteArray before = bytesOf(std::vector{product("Bread", "2.00", "Bakery")});
    TempFolder::write("grocery.dat", before);
    data::RecordFile<ProductRecord> products;
    products.open("grocery.dat");
    AppendResult r;
    {
        const FileSizeLimit full(rlim_t(before.size()));
        r = appendNewProducts(products, commonProductRecords());
    }
    EXPECT_FALSE(r.result.ok());
    EXPECT_TRUE(r.result.error.contains("grocery.dat")) << r.result.error.toStdString();
    EXPECT_EQ(r.added, 0);
    EXPECT_EQ(TempFolder::read("grocery.dat"), before);
    EXPECT_EQ(products.count(), 1);
}
