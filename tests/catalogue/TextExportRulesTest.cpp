#include "catalogue/TextExportRules.h"
#include "support/Fixtures.h"

using namespace catalogue;
using Outcome = ExportName::Outcome;

TEST(TextExportRules, FilesHaveTheRowsThenTheHeadingThenForTheListTheTotal)
{
    const QStringList lines = shoppingListExportLines({"(2) Milk", "     Café au lait"}, "  7.47", QDate(2024, 12, 5));
    EXPECT_EQ(textFileBytes(lines), QByteArray("(2) Milk\r\n     Caf\xE9 au lait\r\n  \r\n"
                                               "Pantrix Shopping List Dec 05\r\n7.47\r\n"));
    EXPECT_EQ(textFileBytes(categoryExportLines({"01.00 Dairy", "Bakery"}, QDate(2024, 1, 31))),
              QByteArray("01.00 Dairy\r\nBakery\r\n  \r\nPantrix Categories List Jan 31\r\n"));
}

TEST(TextExportRules, FileNameRules)
{
    // The answer; then the outcome and file name for the Shopping List, then for the categories.
    const std::tuple<QString, Outcome, QString, Outcome, QString> cases[] = {
        {"weekly", Outcome::Accepted, "weekly.txt", Outcome::Accepted, "weekly.txt"},
        {"/tmp/lists/weekly", Outcome::Accepted, "/tmp/lists/weekly.txt", Outcome::Accepted, "/tmp/lists/weekly.txt"},
        {"cats.txt", Outcome::Refused, "", Outcome::Accepted, "cats.txt"},
        {"cats.TXT", Outcome::Refused, "", Outcome::Refused, ""},
        {".txt", Outcome::Cancelled, "", Outcome::Cancelled, ""},
        {"   ", Outcome::Cancelled, "", Outcome::Cancelled, ""},
        {"/my.folder/weekly", Outcome::Refused, "", Outcome::Refused, ""},
    };
    for (const auto& [answer, list, listName, categories, categoryName] : cases) {
        const ExportName forList = listExportName(answer);
        const ExportName forCategories = categoryExportName(answer);
        EXPECT_EQ(std::tie(forList.outcome, forList.fileName), std::tie(list, listName)) << answer.toStdString();
        EXPECT_EQ(std::tie(forCategories.outcome, forCategories.fileName), std::tie(categories, categoryName))
            << answer.toStdString();
    }
}
