#include "print/ProductListPrintout.h"
#include "print/ShoppingListPrintout.h"
#include "print/UnitPrices.h"
#include "support/Fixtures.h"

#include <QRegularExpression>

using namespace print;
using data::ProductRecord;

namespace {

// The printout's lines without the font switches.
QStringList plain(const ui::PrintDocument& doc)
{
    static const QRegularExpression font(QStringLiteral("\\{[^}]*\\}"));
    QStringList lines = doc.asText();
    for (QString& line : lines)
        line.remove(font);
    return lines;
}

QString at(const QString& left, int column, const QString& right)
{
    return left.leftJustified(column) + right;
}

class ShoppingPrintoutTest : public ::testing::Test
{
protected:
    ShoppingPrintoutTest()
    {
        in.items = {listItem("Milk", " 4.98", "2", "Dairy", ".5"), listItem("Bread", " 1.5", "1", "Bakery"),
                    listItem("Gone", " 1", "1", "bread"), listItem("Eggs", " 3", "12", "Dairy", "0")};
        in.rows = {2, 4, 3, 1};
        in.totalText = "12.34";
        in.date = QDate(2026, 12, 5);
        in.comments = {"", "", ""};
    }
    ui::PrintDocument build() const
    {
        const UnitPrices prices(bytesOf(
            std::vector{product("Milk", "2.49"), product("Bread"), product("eggs", "3"), product("MILK", "9.99")}));
        return buildShoppingListPrintout(in, prices);
    }

    ShoppingPrintout in;
};

} // namespace

TEST_F(ShoppingPrintoutTest, ListOrderWithPricesIndentNotesAndComments)
{
    in.choices = {.fontSize = "12", .price = true, .indent = true, .indentText = "3"};
    in.notes = true;
    in.noteLines = {"Buy milk", "and eggs"};
    in.comments = {"Bring bags", "", " Coupons "};
    const ui::PrintDocument doc = build();
    const QString cat = "Dairy" + QString(20, ' ');
    // Gone has no price after one that had one.
    EXPECT_EQ(
        plain(doc),
        (QStringList{at("   Quantity/Item/Unit Price", 49, "   Category"), "",
                     at("   1   Bread ()", 54, "Bakery" + QString(19, ' ')), at("   12  Eggs (3.00)", 54, cat),
                     at("   1   Gone", 54, "bread" + QString(20, ' ')), at("   2   Milk (2.49) (coupon .50)", 54, cat),
                     "", "   12-05-2026  12.34", "", "   NOTES:", "   Buy milk", "   and eggs", "",
                     "   COMMENTS:", "   Bring bags", "    Coupons ", "", "   Pantrix    Shopping List Utility"}));
    const QStringList raw = doc.asText();
    EXPECT_TRUE(raw[0].startsWith("{Times New Roman 12 bold}   Quantity")) << "the heading is always bold";
    EXPECT_TRUE(raw[2].startsWith("{Times New Roman 12}   1")) << "items in the chosen weight";
    EXPECT_TRUE(raw.back().startsWith("{Playbill 12}"));
}

TEST_F(ShoppingPrintoutTest, ByCategorySortsByCodeWithHeadersAndSeparatorsBetween)
{
    const std::tuple<bool, bool, QStringList> cases[] = {
        // separators, headers, the lines above the total
        {false, false, {"Quantity/Item", "  1   Bread", "  2   Milk (coupon .50) ", "  12  Eggs", "  1   Gone"}},
        {true,
         true,
         {"Quantity/Item", "BAKERY", "  1   Bread", QString(40, '-'), "DAIRY", "  2   Milk (coupon .50) ", "  12  Eggs",
          QString(40, '-'), "BREAD", "  1   Gone"}},
        {true,
         false,
         {"Quantity/Item", "  1   Bread", QString(40, '-'), "  2   Milk (coupon .50) ", "  12  Eggs", QString(40, '-'),
          "  1   Gone"}},
    };
    for (const auto& [separators, headers, body] : cases) {
        in.choices = {.bold = true, .byCategory = true, .separators = separators, .headers = headers, .indentText = {}};
        const ui::PrintDocument doc = build();
        EXPECT_EQ(plain(doc), body + QStringList({"", "12-05-2026   12.34", "", "Pantrix Shopping List Utility"}))
            << separators << headers;
        EXPECT_TRUE(doc.asText()[0].startsWith("{Times New Roman 12 bold}Quantity/Item")) << "in the item weight";
    }

    // Comments follow the closing block directly in this layout.
    in.choices = {.fontSize = "8", .byCategory = true, .price = true, .headers = true, .indentText = {}};
    in.comments = {"", "Cash only", ""};
    const QStringList lines = build().asText();
    EXPECT_EQ(lines[1], "{Times New Roman 8 bold}BAKERY");
    EXPECT_EQ(lines[2], "{Times New Roman 8}  1   Bread ()");
    EXPECT_EQ(lines.mid(lines.size() - 6), (QStringList{"12-05-2026   12.34", "", "COMMENTS:", "Cash only", "",
                                                        "{Playbill 12}Pantrix Shopping List Utility"}));
}

TEST_F(ShoppingPrintoutTest, AnIndentThePageCannotHoldLeavesFortyCharactersOfLine)
{
    for (const auto& [size, blanks] : {std::pair{"18", 12}, std::pair{"8", 79}}) {
        in.choices = {.fontSize = size, .indent = true, .indentText = "99"};
        EXPECT_TRUE(plain(build())[2].startsWith(QString(blanks, ' ') + "1   Bread")) << size;
    }
}

TEST(ProductListPrintout, FortySixProductsAPageUnderARepeatedHeadingAndNoPageForTheHeadingAlone)
{
    const QDateTime now(QDate(2026, 12, 5), QTime(9, 5, 7));
    const QStringList heading = {"", "", "", "PANTRIX Product List    Printed 12-05-2026 09:05:07", "Category: All",
                                 ""};
    std::vector<ProductRecord> products;
    for (int i = 0; i < 47; ++i)
        products.push_back(product(QStringLiteral("Item %1").arg(i + 1), "1.25", "Dairy"));
    const QString line47 = "Item 47" + QString(37, ' ') + "1.25  " + QString(4, ' ') + "Dairy" + QString(20, ' ');

    const std::pair<qsizetype, QStringList> cases[] = {
        // products, the lines after the first page
        {0, {}},
        {46, {}}, // no sheet for the heading alone
        {47, QStringList{"<new page>"} + heading + QStringList{line47}},
    };
    for (const auto& [count, tail] : cases) {
        const QStringList lines = plain(
            buildProductListPrintout({products.begin(), products.begin() + count}, model::CategoryFilter::all(), now));
        EXPECT_EQ(lines.mid(0, 6), heading);
        EXPECT_EQ(lines.mid(6 + std::min<qsizetype>(count, 46)), tail) << count;
    }

    EXPECT_EQ(plain(buildProductListPrintout({products[0]}, model::CategoryFilter::only("Dairy"), now))[6],
              "Item 1" + QString(38, ' ') + "1.25  ")
        << "no category column under one category";
}
