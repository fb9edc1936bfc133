#include "catalogue/CommonProductData.h"
#include "catalogue/MergeRules.h"
#include "catalogue/ProductText.h"
#include "support/Fixtures.h"

#include <QRegularExpression>
#include <QSet>

using namespace catalogue;
using data::ProductRecord;

TEST(CommonProducts, ShipAsWholeRecordsWithUniqueNamesAndAisledCategoriesBuiltFromText)
{
    const QByteArray bytes = commonProductRecords();
    ASSERT_EQ(bytes.size() % ProductRecord::Length, 0);
    const QRegularExpression aisled(QStringLiteral("^\\d\\d\\.\\d\\d \\S"));
    QSet<QString> names;
    QSet<QString> categories;
    for (const ProductRecord& p : data::recordsFromBytes<ProductRecord>(bytes)) {
        const QString name = p.text(ProductRecord::item);
        EXPECT_FALSE(name.isEmpty() || names.contains(name.toUpper())) << name.toStdString();
        names.insert(name.toUpper());
        EXPECT_TRUE(aisled.match(p.text(ProductRecord::category)).hasMatch()) << name.toStdString();
        categories.insert(p.text(ProductRecord::category));
    }
    EXPECT_GE(names.size(), 150);
    EXPECT_GE(categories.size(), 12);

    // The text they are built from: records as the editor saves them, or refused by line.
    const ProductText read = productsFromText(u"# note\r\n\nMilk 1 Gal|02.00 Dairy|1|0\r\nBread|04.00 Bakery|0|1\n");
    EXPECT_EQ(data::recordsFromBytes<ProductRecord>(read.records),
              (std::vector{product("Milk 1 Gal", "", "02.00 Dairy", true),
                           product("Bread", "", "04.00 Bakery", false, true)}));

    for (const QString bad :
         {"Milk|02.00 Dairy|0", "|02.00 Dairy|0|0", "Milk | 02.00 Dairy|0|0", "milk 1 gal|02.00 Dairy|0|0",
          "Milk|Dairy|0|0", "Milk|2.00 Dairy|0|0", "Milk|02.00 Dairy Products Refrigerated|0|0",
          "Milk \u0100|02.00 Dairy|0|0", "Milk|02.00 Dairy|yes|0", "TEA|13.00 Beverages|0|0"}) {
        const ProductText refused = productsFromText(QStringLiteral("Tea|13.00 Beverages|0|0\n") + bad);
        EXPECT_EQ(refused.line, 2) << bad.toStdString();
        EXPECT_TRUE(refused.records.isEmpty() && !refused.ok()) << bad.toStdString();
    }
    EXPECT_FALSE(productsFromText(QString(41, u'M') + "|02.00 Dairy|0|0").ok()) << "name too long";
}

TEST(CommonProducts, ImportAddsOnlyTheNamesTheFileDoesNotKnow)
{
    TempFolder folder;
    const QByteArray all = commonProductRecords();
    const QString first = data::recordsFromBytes<ProductRecord>(all).front().text(ProductRecord::item);
    const QByteArray own = bytesOf(std::vector{product("  " + first.toLower() + " ", "1.99"), product("Quince")});
    TempFolder::write("corner.dat", own);
    data::RecordFile<ProductRecord> products;
    ASSERT_TRUE(products.open("corner.dat"));
    const AppendResult r = appendNewProducts(products, all);
    EXPECT_TRUE(r.result.ok()) << r.result.error.toStdString();
    EXPECT_EQ(TempFolder::read("corner.dat"), own + all.mid(ProductRecord::Length))
        << "known in another case with blanks around: skipped; existing products unchanged";
}
