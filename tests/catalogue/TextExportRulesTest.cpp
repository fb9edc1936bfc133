#include "catalogue/TextExportRules.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace catalogue;
using Outcome = ExportName::Outcome;

TEST(TextExportRules, ShoppingListFileHasTheRowsThenTheHeadingThenTheTotal)
{
    const QStringList lines = shoppingListExportLines({"(2) Milk", "     Café au lait"}, "  7.47", QDate(2024, 12, 5));
    EXPECT_EQ(textFileBytes(lines), QByteArray("(2) Milk\r\n     Caf\xE9 au lait\r\n  \r\n"
                                               "Pantrix Shopping List Dec 05\r\n7.47\r\n"));
    EXPECT_EQ(shoppingListExportLines({"x"}, "1.00", QDate(2025, 3, 14)).size(), 4);
}

TEST(TextExportRules, CategoryFileHasTheCategoriesThenTheHeading)
{
    EXPECT_EQ(textFileBytes(categoryExportLines({"01.00 Dairy", "Bakery"}, QDate(2024, 1, 31))),
              QByteArray("01.00 Dairy\r\nBakery\r\n  \r\nPantrix Categories List Jan 31\r\n"));
    EXPECT_EQ(textFileBytes(categoryExportLines({}, QDate(2024, 7, 4))),
              QByteArray("  \r\nPantrix Categories List Jul 04\r\n"));
}

TEST(TextExportRules, FileNameRules)
{
    struct Case
    {
        QString answer;
        Outcome list;
        QString listName;
        Outcome categories;
        QString categoryName;
    };
    const Case cases[] = {
        {"weekly", Outcome::Accepted, "weekly.txt", Outcome::Accepted, "weekly.txt"},
        {"/tmp/lists/weekly", Outcome::Accepted, "/tmp/lists/weekly.txt", Outcome::Accepted, "/tmp/lists/weekly.txt"},
        {"cats.txt", Outcome::Refused, "", Outcome::Accepted, "cats.txt"},
        {"cats.doc", Outcome::Refused, "", Outcome::Refused, ""},
        {"cats.txt.bak", Outcome::Refused, "", Outcome::Refused, ""},
        {"cats.TXT", Outcome::Refused, "", Outcome::Refused, ""},
        {".txt", Outcome::Cancelled, "", Outcome::Cancelled, ""},
        {"   ", Outcome::Cancelled, "", Outcome::Cancelled, ""},
        {"", Outcome::Cancelled, "", Outcome::Cancelled, ""},
        {"/my.folder/weekly", Outcome::Refused, "", Outcome::Refused, ""},
    };
    for (const Case& c : cases) {
        const ExportName list = listExportName(c.answer);
        EXPECT_EQ(list.outcome, c.list) << c.answer.toStdString();
        EXPECT_EQ(list.fileName, c.listName) << c.answer.toStdString();
        const ExportName categories = categoryExportName(c.answer);
        EXPECT_EQ(categories.outcome, c.categories) << c.answer.toStdString();
        EXPECT_EQ(categories.fileName, c.categoryName) << c.answer.toStdString();
    }
}
