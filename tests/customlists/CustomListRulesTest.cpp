#include "customlists/CustomListRules.h"
#include "customlists/CustomListRefresh.h"
#include "support/Fixtures.h"

using namespace customlists;
using data::CustomListRecord;

TEST(CustomListRules, NamesPickerRemovalGetAndSaveKeepTheRecordsInOrder)
{
    const std::pair<QString, QString> cases[] = {
        {"bbq PARTY mix", "Bbq Party Mix"}, {"  lead", "  Lead"}, {"o'BRIEN's  two", "O'brien's  Two"},
        {"élan VITAL", "Élan Vital"},       {"x-RAY", "X-ray"},   {"", ""},
    };
    for (const auto& [typed, titled] : cases)
        EXPECT_EQ(titleCase(typed), titled) << typed.toStdString();
    EXPECT_EQ(storedListName(QString(40, 'a')), "A" + QString(29, 'a'));

    const QString longName = "Abcdefghij Abcdefghij Abcdefgh"; // exactly the field's 30 characters
    const std::vector lists{customRecord(" Party", "Milk"), customRecord(longName, "Jam")};
    EXPECT_TRUE(listExists(lists, "PARTY  ")) << "trimmed, case ignored";
    EXPECT_FALSE(listExists(lists, "Part"));
    const std::vector polish{customRecord(storedListName(QString::fromUtf8("Łódź party")), "Vodka")};
    EXPECT_TRUE(listExists(polish, QString::fromUtf8("łódź PARTY"))) << "compared after the code page";
    EXPECT_FALSE(listExists(polish, QString::fromUtf8("Lódz party")));
    EXPECT_TRUE(listExists(lists, longName + " and more"))
        << "a longer name would be stored as the existing one and mix the two lists";

    std::vector records{customRecord("Party", "Milk"),   customRecord("Weekly", "Bread"),
                        customRecord(" party ", "Eggs"), customRecord("Party", "apple"),
                        customRecord("PARTY", "Milk"),   customRecord("Apple Pie", "Flour")};
    QStringList names{" party", "Apple Pie", "PARTY", "Party", "Weekly"};
    for (QString& name : names)
        name = name.leftJustified(30);
    EXPECT_EQ(pickerNames(records), names);
    QStringList entries;
    for (const ListEntry& e : listEntries(records, names[3]))
        entries << QString("%1 #%2").arg(data::trimBlanks(e.item)).arg(e.record);
    EXPECT_EQ(entries, (QStringList{"Eggs #3", "Milk #1", "Milk #5", "apple #4"})) << "stable, case counts";

    records[5].bytes[200] = 'x'; // beyond the known fields: not carried over
    const std::vector kept{records[1], customRecord("Apple Pie", "Flour")};
    EXPECT_EQ(withoutRecords(records, {1, 3, 4, 5}), kept);
    EXPECT_EQ(withoutList(records, "party  "), kept);
    EXPECT_TRUE(withoutList(withoutList(kept, "weekly"), "APPLE PIE").empty());

    const std::vector onList{listItem("Milk", " 4.98", "2"), listItem("  Bread", "2.00", "1")};
    const std::vector chosen{customRecord("P", "Bread"), customRecord("P", "milk"),
                             customRecord("P", "Eggs", "1.50", "02 Dairy"), customRecord("P", " Eggs "),
                             customRecord("P", "Milk")};
    EXPECT_EQ(itemsToGet(chosen, onList),
              (std::vector{listItem("milk", "", "1"), listItem("Eggs", "1.50", "1", "02 Dairy")}))
        << "case counts; no coupon";

    const char* unitPrices[][3] = {
        {" 4.00", "3", "1.3333"}, {"3", "2", " 1.5"},    {" 4.98", "2", " 2.49"},    {"12.00", "1", " 12"},
        {"2.50", "0", " 2.5"},    {"2.50", "", " 2.5"},  {"2.50", "abc", " 2.5"},    {"", "1", " 0"},
        {".03", "700", ".00004"}, {"999999", ".01", ""}, {"999.99", ".5", "2000.0"},
    };
    for (const auto& [price, quantity, unit] : unitPrices)
        EXPECT_EQ(recordFor("My List", listItem("Milk", price, quantity, "Dairy")),
                  customRecord("My List", "Milk", unit, "Dairy"))
            << price << " / " << quantity;
}

TEST(CustomListRefresh, FirstProductOfTheNameGivesPriceAndCategoryAfterABackup)
{
    TempFolder folder;
    std::vector products{product("Milk 1 gal", "3.49", "02 Dairy"), product("MILK 1 GAL", "9.99", "Other"),
                         product("Bread", ".99", "")};
    products[2].clear(data::ProductRecord::price);
    const std::vector records{customRecord("Week", "  MILK 1 GAL", "1.00", "Old"),
                              customRecord("Week", "bread", "2.00", "x"),
                              customRecord("Party", "Caviar", "50.00", "Luxury")};
    const QByteArray old = bytesOf(records) + "tail";
    TempFolder::write("pantrecp.dat", old);
    const RefreshOutcome outcome = refreshFile("pantrecp.dat", products);
    ASSERT_TRUE(outcome.result.ok()) << outcome.result.error.toStdString();
    EXPECT_EQ(outcome.updated, 2);
    EXPECT_EQ(TempFolder::read("PantClean.bak"), old);
    CustomListRecord bread = customRecord("Week", "bread");
    bread.clear(CustomListRecord::price); // copied as stored
    EXPECT_EQ(TempFolder::read("pantrecp.dat"),
              bytesOf(std::vector{customRecord("Week", "  MILK 1 GAL", "3.49", "02 Dairy"), bread, records[2]}) +
                  "tail")
        << "records keep their places; a partial record is left as it was";
}
