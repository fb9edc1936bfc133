#include "catalogue/CouponRules.h"
#include "support/Fixtures.h"

using namespace catalogue;
using data::ProductRecord;

TEST(CouponRules, CouponValueReadsBackAsTyped)
{
    // Typed; then shown on leaving the box and stored (cut to six characters); then shown on opening again.
    const std::tuple<QString, QString, QString> cases[] = {{"1.5", "1.50", "1.50"},
                                                           {" 2 ", "2.00", "2.00"},
                                                           {".25", "0.25", ".25"},
                                                           {"-1", "-1.00", ""},
                                                           {"abc", "", ""},
                                                           {"1,5", "", ""},
                                                           {"", "", ""},
                                                           {"1234.5", "1234.5", "1234.50"},
                                                           {"99999.99", "100000", "100000.00"},
                                                           {"1234567", "", ""}};
    for (const auto& [typed, shown, reopened] : cases) {
        EXPECT_EQ(normalizedCouponText(typed), shown) << typed.toStdString();
        EXPECT_EQ(couponBoxText(listItem("Milk", "2", "1", "", shown)), reopened) << typed.toStdString();
    }
    EXPECT_EQ(couponBoxText(listItem("Milk", "2", "1")), "") << "never written";
    EXPECT_EQ(storedCouponText(" 99999.99 "), "100000");
    EXPECT_EQ(storedCouponText("  "), "");
    EXPECT_EQ(storedCouponText("x"), std::nullopt);

    // The coupon list's lines and order are shown by its box in the window test.
    EXPECT_EQ(couponListText({listItem("Bread", "2", "1"), listItem("Tea", "2", "1", "", "  ")}), "")
        << "no coupon written, or a blank one";
}

TEST(CouponRules, StrippingBlanksEveryPriceAfterABackup)
{
    TempFolder folder;
    ProductRecord milk = product("Milk", "2.49", "Dairy", true);
    milk.set(ProductRecord::spare1, u"kept");
    const QByteArray before = bytesOf(std::vector{milk, product("Tea", ".50")}) + QByteArray("partial");
    TempFolder::write("corner.dat", before);
    data::RecordFile<ProductRecord> products;
    ASSERT_TRUE(products.open("corner.dat"));

    ASSERT_TRUE(backUpPrices(products));
    ASSERT_TRUE(stripPrices(products));
    EXPECT_EQ(TempFolder::read("justincase.sav"), before);
    milk.set(ProductRecord::price, u"");
    EXPECT_EQ(TempFolder::read("corner.dat"), bytesOf(std::vector{milk, product("Tea")}) + QByteArray("partial"))
        << "nothing but the prices change, and the partial record at the end stays";
    EXPECT_EQ(products.count(), 2);
}
