#include "catalogue/CouponRules.h"
#include "support/Fixtures.h"

using namespace catalogue;
using data::ProductRecord;

TEST(CouponRules, CouponValueReadsBackAsTyped)
{
    // Typed; then shown on leaving the box; then stored, or the refusal OK shows.
    const QString tooLarge = "Bad entry  %1 does not fit the 6 characters a coupon is stored in.  "
                             "The largest coupon with cents is 999.99.";
    const std::tuple<QString, QString, QString> cases[] = {{"1.5", "1.50", "1.50"},
                                                           {" 2 ", "2.00", "2.00"},
                                                           {".25", "0.25", "0.25"},
                                                           {"0", "0.00", "0.00"},
                                                           {"-1", "-1", "Bad entry"},
                                                           {"-.01", "-.01", "Bad entry"},
                                                           {"abc", "", ""},
                                                           {"1,5", "", ""},
                                                           {"", "", ""},
                                                           {"1234.5", "1234.5", "1234.5"},
                                                           {"1234.56", "1234.56", tooLarge.arg("1234.56")},
                                                           {"99999.99", "99999.99", tooLarge.arg("99999.99")},
                                                           {"1234567", "1234567", tooLarge.arg("1234567.00")}};
    for (const auto& [typed, shown, stored] : cases) {
        EXPECT_EQ(normalizedCouponText(typed), shown) << typed.toStdString();
        const QString problem = couponProblem(shown);
        EXPECT_EQ(problem.isEmpty() ? storedCouponText(shown).value_or("refused") : problem, stored)
            << typed.toStdString();
    }
    EXPECT_EQ(couponBoxText(listItem("Milk", "2", "1", "", "1234.5")), "1234.50");
    EXPECT_EQ(couponBoxText(listItem("Milk", "2", "1", "", "-5.00")), "") << "stored below zero by an older edition";
    EXPECT_EQ(couponBoxText(listItem("Milk", "2", "1")), "") << "never written";
    EXPECT_EQ(storedCouponText("  "), "");
    EXPECT_EQ(storedCouponText("x"), std::nullopt);
    EXPECT_EQ(couponProblem("x"), "Bad entry");

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
