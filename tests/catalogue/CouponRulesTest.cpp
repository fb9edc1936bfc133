#include "catalogue/CouponRules.h"
#include "data/RecordFile.h"
#include "support/Fixtures.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace catalogue;
using data::ProductRecord;

TEST(CouponRules, CouponValueReadsBackAsTyped)
{
    const std::pair<QString, QString> left[] = {{"1.5", "1.50"}, {" 2 ", "2.00"}, {"1234.5", "1234.50"},
                                                {".25", "0.25"}, {"abc", ""},     {"1,5", ""},
                                                {"", ""},        {"-1", "-1.00"}};
    for (const auto& [typed, shown] : left)
        EXPECT_EQ(normalizedCouponText(typed), shown) << typed.toStdString();

    // What the box shows is stored, cut to six characters, and shown the same way again.
    for (const QString typed : {"1.5", "1234.5", "0.75"}) {
        const auto item = listItem("Milk", "2", "1", "", normalizedCouponText(typed));
        EXPECT_DOUBLE_EQ(couponValue(item), typed.toDouble());
        EXPECT_DOUBLE_EQ(couponBoxText(item).toDouble(), typed.toDouble());
    }
    EXPECT_EQ(couponBoxText(listItem("Milk", "2", "1", "", "1.50")), "1.50");
    EXPECT_EQ(couponBoxText(listItem("Milk", "2", "1")), "") << "never written";
    EXPECT_EQ(couponBoxText(listItem("Milk", "2", "1", "", "0")), "");
}

TEST(CouponRules, CouponListHasOneLinePerCouponInFileOrder)
{
    const std::vector items{listItem("Milk", "2", "1", "", "1"), listItem("Bread", "2", "1"),
                            listItem("Jam", "2", "1", "", ".5"), listItem("Tea", "2", "1", "", "  ")};
    EXPECT_EQ(couponListText(items), "Milk" + QString(36, ' ') + "  1.00\r\n" + "Jam" + QString(37, ' ') + "  .50\r\n");
    EXPECT_EQ(couponListText({items[1], items[3]}), "");
}

TEST(CouponRules, StrippingBlanksEveryPriceAfterABackup)
{
    TempFolder folder;
    ProductRecord milk = product("Milk", "2.49", "Dairy", true);
    milk.set(ProductRecord::spare1, u"kept");
    const QByteArray before = bytesOf(std::vector{milk, product("Tea", ".50")}) + QByteArray("partial");
    TempFolder::write("corner.dat", before);
    data::RecordFile<ProductRecord> products;
    products.open("corner.dat");

    ASSERT_TRUE(backUpPrices(products));
    ASSERT_TRUE(stripPrices(products));
    EXPECT_EQ(TempFolder::read("justincase.sav"), before);
    const QByteArray after = TempFolder::read("corner.dat");
    ASSERT_EQ(after.size(), before.size()) << "the partial record at the end is left alone";
    const auto records = recordsIn<ProductRecord>("corner.dat");
    for (const ProductRecord& r : records)
        EXPECT_EQ(r.get(ProductRecord::price), "      ");
    ProductRecord expected = milk;
    expected.set(ProductRecord::price, u"");
    EXPECT_EQ(records[0], expected) << "nothing but the price changes";
    EXPECT_TRUE(after.endsWith("partial"));
    EXPECT_EQ(products.count(), 2);
}
