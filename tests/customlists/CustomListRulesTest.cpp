#include "customlists/CustomListRules.h"
#include "customlists/CustomListRefresh.h"
#include "data/FileOps.h"
#include "support/Fixtures.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace customlists;
using data::CustomListRecord;
using data::ShoppingItemRecord;

namespace {
QString padded(const QString& text, int width)
{
    return text.leftJustified(width, u' ');
}

QStringList listsOf(const std::vector<CustomListRecord>& records)
{
    QStringList out;
    for (const CustomListRecord& r : records)
        out << r.text(CustomListRecord::list) + "/" + r.text(CustomListRecord::item);
    return out;
}
} // namespace

TEST(CustomListRules, TitleCase)
{
    const std::pair<QString, QString> cases[] = {
        {"bbq PARTY mix", "Bbq Party Mix"}, {"  lead", "  Lead"}, {"o'BRIEN's  two", "O'brien's  Two"},
        {"élan VITAL", "Élan Vital"},       {"x-RAY", "X-ray"},   {"", ""},
    };
    for (const auto& [typed, titled] : cases)
        EXPECT_EQ(titleCase(typed), titled) << typed.toStdString();
    EXPECT_EQ(storedListName(QString(40, 'a')), "A" + QString(29, 'a'));
}

TEST(CustomListRules, ExistingNamesAreComparedTrimmedWithoutCaseAsTheyWouldBeStored)
{
    const QString longName = "Abcdefghij Abcdefghij Abcdefgh"; // exactly the field's 30 characters
    const std::vector records{customRecord(" Party", "Milk"), customRecord("Weekly Staples", "Tea"),
                              customRecord(longName, "Jam")};
    EXPECT_TRUE(listExists(records, "party"));
    EXPECT_TRUE(listExists(records, "PARTY  "));
    EXPECT_TRUE(listExists(records, "weekly staples"));
    EXPECT_FALSE(listExists(records, "Part"));
    EXPECT_FALSE(listExists({}, "Party"));
    EXPECT_TRUE(listExists(records, longName + " and more"))
        << "a longer name would be stored as the existing one and mix the two lists";
}

TEST(CustomListRules, PickerNamesEachListOnceInCodeOrder)
{
    const std::vector records{customRecord("Weekly", "Tea"),      customRecord("Party", "Chips"),
                              customRecord("Weekly", "Bread"),    customRecord("party", "Dip"),
                              customRecord("Apple Pie", "Flour"), customRecord("Party", "Soda")};
    EXPECT_EQ(pickerNames(records),
              (QStringList{padded("Apple Pie", 30), padded("Party", 30), padded("Weekly", 30), padded("party", 30)}));
    EXPECT_TRUE(pickerNames({}).isEmpty());
}

TEST(CustomListRules, ItemListSortsByNameAndKeepsRecordNumbers)
{
    const std::vector records{customRecord("Party", "Milk"), customRecord("Weekly", "Bread"),
                              customRecord(" party ", "Eggs"), customRecord("Party", "apple"),
                              customRecord("PARTY", "Milk")};
    const std::vector<ListEntry> entries = listEntries(records, padded("Party", 30));
    QStringList items;
    std::vector<int> numbers;
    for (const ListEntry& e : entries) {
        items << e.item;
        numbers.push_back(e.record);
    }
    EXPECT_EQ(items, (QStringList{padded("Eggs", 40), padded("Milk", 40), padded("Milk", 40), padded("apple", 40)}));
    EXPECT_EQ(numbers, (std::vector{3, 1, 5, 4}));

    EXPECT_EQ(previewRows(records, "Weekly"),
              (QStringList{"Weekly", "(CLICK LIST TO CLEAR)", "", "  " + padded("Bread", 40)}));
    EXPECT_TRUE(listEntries(records, "Gone").empty()) << "a list removed meanwhile shows empty";
    EXPECT_EQ(previewRows(records, "Gone").size(), 3);
}

TEST(CustomListRules, GetAddsEachNameOnceAndNeverOneAlreadyListed)
{
    const std::vector onList{listItem("Milk", " 4.98", "2"), listItem("  Bread", "2.00", "1")};
    const std::vector chosen{customRecord("P", "Bread"), customRecord("P", "milk"),
                             customRecord("P", "Eggs", "1.50", "02 Dairy"), customRecord("P", " Eggs "),
                             customRecord("P", "Milk")};
    const std::vector<ShoppingItemRecord> added = itemsToGet(chosen, onList);
    ASSERT_EQ(added.size(), 2u);
    EXPECT_EQ(added[0].text(ShoppingItemRecord::item), "milk") << "case counts";
    const ShoppingItemRecord& eggs = added[1];
    EXPECT_EQ(eggs.get(ShoppingItemRecord::item), padded("Eggs", 40));
    EXPECT_EQ(eggs.get(ShoppingItemRecord::price), "1.50  ");
    EXPECT_EQ(eggs.get(ShoppingItemRecord::quantity), "1  ");
    EXPECT_EQ(eggs.get(ShoppingItemRecord::category), padded("02 Dairy", 25));
    EXPECT_EQ(eggs.get(ShoppingItemRecord::coupon), QString(6, QChar(0))) << "no coupon";
    EXPECT_EQ(eggs.get(ShoppingItemRecord::spare), QString(69, QChar(0)));
}

TEST(CustomListRules, SaveStoresTheUnitPrice)
{
    struct Case
    {
        const char* price;
        const char* quantity;
        const char* unit;
    } cases[] = {
        {" 4.00", "3", " 1.333"}, {"3", "2", " 1.5  "},   {" 4.98", "2", " 2.49 "},  {"12.00", "1", " 12   "},
        {"2.50", "0", " 2.5  "},  {"2.50", "", " 2.5  "}, {"2.50", "abc", " 2.5  "}, {"", "1", " 0    "},
    };
    for (const Case& c : cases) {
        const CustomListRecord r = recordFor("My List", listItem("Milk", c.price, c.quantity, "Dairy"));
        EXPECT_EQ(r.get(CustomListRecord::price), c.unit) << c.price << " / " << c.quantity;
    }
    const CustomListRecord r = recordFor("My List", listItem("Milk", "1", "1", "Dairy"));
    EXPECT_EQ(r.text(CustomListRecord::list), "My List");
    EXPECT_EQ(r.text(CustomListRecord::item), "Milk");
    EXPECT_EQ(r.text(CustomListRecord::category), "Dairy");
    EXPECT_EQ(r.get(CustomListRecord::spare), QString(150, QChar(0)));
}

TEST(CustomListRules, RemoveAndDeleteKeepTheOtherRecordsInOrder)
{
    std::vector records{customRecord("A", "1"), customRecord("B", "1"), customRecord("A", "2"), customRecord("C", "1"),
                        customRecord(" b", "2")};
    records[3].bytes[200] = 'x'; // something beyond the known fields
    const std::vector<CustomListRecord> removed = withoutRecords(records, {2, 5});
    EXPECT_EQ(listsOf(removed), (QStringList{"A/1", "A/2", "C/1"}));
    EXPECT_EQ(removed[2].get(CustomListRecord::spare), QString(150, QChar(0)));
    EXPECT_EQ(listsOf(withoutList(records, "B  ")), (QStringList{"A/1", "A/2", "C/1"}));
    EXPECT_EQ(listsOf(withoutRecords(records, {})).size(), 5);
    EXPECT_TRUE(withoutList(withoutList(withoutList(records, "a"), "b"), "c").empty());
}

TEST(CustomListRefresh, FirstProductOfTheNameGivesPriceAndCategory)
{
    std::vector products{product("Milk 1 gal", "3.49", "02 Dairy"), product("MILK 1 GAL", "9.99", "Other"),
                         product("Bread", ".99", "")};
    products[2].clear(data::ProductRecord::price);
    std::vector records{customRecord("Week", "  MILK 1 GAL", "1.00", "Old"), customRecord("Week", "bread", "2.00", "x"),
                        customRecord("Party", "Caviar", "50.00", "Luxury"), customRecord("Party", "milk 1 gal")};
    const std::vector<CustomListRecord> before = records;
    EXPECT_EQ(refreshRecords(records, products), 3);
    EXPECT_EQ(records[0].get(CustomListRecord::price), "3.49  ");
    EXPECT_EQ(records[0].get(CustomListRecord::category), padded("02 Dairy", 25));
    EXPECT_EQ(records[0].get(CustomListRecord::item), before[0].get(CustomListRecord::item));
    EXPECT_EQ(records[1].get(CustomListRecord::price), QString(6, QChar(0))) << "copied as stored";
    EXPECT_EQ(records[1].get(CustomListRecord::category), QString(25, ' '));
    EXPECT_EQ(records[2], before[2]) << "no product of that name: unchanged";
    EXPECT_EQ(records[3].text(CustomListRecord::price), "3.49");
    EXPECT_EQ(refreshRecords(records, {}), 0);
    EXPECT_EQ(refreshMessage(12), " 12 items scanned and updated.");
    EXPECT_EQ(refreshMessage(0), " 0 items scanned and updated.");
}

TEST(CustomListRefresh, FileIsBackedUpAndRewrittenInPlace)
{
    TempFolder folder;
    const std::vector records{customRecord("Week", "Milk", "1.00"), customRecord("Week", "Tea", "2.00")};
    const QByteArray old = bytesOf(records) + "tail";
    TempFolder::write("pantrecp.dat", old);
    const RefreshOutcome outcome = refreshFile("pantrecp.dat", {product("tea", "3.10", "Drinks")});
    ASSERT_TRUE(outcome.result.ok()) << outcome.result.error.toStdString();
    EXPECT_EQ(outcome.updated, 1);
    EXPECT_EQ(TempFolder::read("PantClean.bak"), old);
    const QByteArray now = TempFolder::read("pantrecp.dat");
    EXPECT_EQ(now.size(), old.size());
    EXPECT_TRUE(now.endsWith("tail")) << "a partial record is left as it was";
    EXPECT_EQ(recordsIn<CustomListRecord>("pantrecp.dat")[1].text(CustomListRecord::price), "3.10");
    EXPECT_EQ(recordsIn<CustomListRecord>("pantrecp.dat")[0], records[0]);

    TempFolder::write("pantrecp.dat", {});
    const RefreshOutcome empty = refreshFile("pantrecp.dat", {product("tea", "3.10")});
    EXPECT_TRUE(empty.result.ok());
    EXPECT_EQ(empty.updated, 0);
    EXPECT_TRUE(TempFolder::exists("PantClean.bak"));
    EXPECT_EQ(TempFolder::read("PantClean.bak"), QByteArray());
}
