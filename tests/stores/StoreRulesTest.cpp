#include "stores/StoreRules.h"
#include "support/Fixtures.h"

using namespace stores;

TEST(StoreRules, NamesThatCannotBeFilesAreRefusedSayingWhyAndExistingLists)
{
    for (const char* fine :
         {"Corner", "Café du Coin", "My.Store", "€uro Shop", "Joe's (north)", "groceryshop", "my.pantrecp", "pantlogs"})
        EXPECT_EQ(storeNameProblem(QString::fromUtf8(fine)), "") << fine;
    for (const char* bad :
         {"a/b",     "a\\b",       "..",         "x..y",     "c:corner",  "what?",    "star*",   "<tag>",
          "pipe|",   "quote\"",    "tab\there",  "名前",     "pantrecp",  "PantList", "pantlog", "grocery.x",
          "Grocery", "namefile.y", "justincase", "pantnote", "pantnotes", "pantlpt",  ".hidden", "."})
        EXPECT_NE(storeNameProblem(QString::fromUtf8(bad)), "") << bad;
    for (const char* fine : {"/x/grocery.lst", "GROCERY.LST", "/x/corner.lst", "/x.y/pantlogs.lst"})
        EXPECT_EQ(openedListProblem(fine), "") << fine;
    for (const char* own : {"/x/.lst", "namefile.lst", "/x/grocery.old.lst", "pantlog.x.lst"})
        EXPECT_NE(openedListProblem(own), "") << own;

    TempFolder folder;
    EXPECT_TRUE(hasListExtension("/a.b/c/x.LST"));
    EXPECT_FALSE(hasListExtension("x.lst.bak"));

    EXPECT_FALSE(listHoldsRecords("new.lst"));
    EXPECT_FALSE(TempFolder::exists("new.lst")) << "looking does not create the file";
    TempFolder::write("short.lst", QByteArray(148, ' '));
    EXPECT_FALSE(listHoldsRecords("short.lst")) << "a whole record, as the store window's Market.lst holds";

    const std::tuple<QString, QString> cases[] = {
        {".hidden", "\".hidden\" cannot be used as a file name.  A name starting with \".\" makes a hidden file.  "
                    "Choose another name."},
        {QString::fromUtf8("Łódź"), QString::fromUtf8("\"Łódź\" cannot be used as a file name.  The list files cannot "
                                                      "keep the characters Łź.  Use other letters, then try again.")},
        {QString::fromUtf8("Café 🛒"),
         QString::fromUtf8("\"Café 🛒\" cannot be used as a file name.  The list files "
                           "cannot keep 🛒.  Use other letters, then try again.")},
    };
    for (const auto& [name, problem] : cases)
        EXPECT_EQ(storeNameProblem(name), problem) << name.toStdString();
    EXPECT_EQ(openedListProblem("/x/.hidden.lst"), "\".hidden.lst\" is a hidden file, not a shopping list.");
}
