// Every command that writes tells which file failed and leaves the files as they were.
#include "data/FileFaults.h"
#include "support/MainWindowFixture.h"

#include <functional>
#include <variant>

using namespace data;
using ui::Answer;

namespace {
struct Case
{
    const char* command;
    QString file; // the file whose writing fails
    // The answers to the boxes before the failure's own, a text being typed into an input box.
    std::vector<std::variant<Answer, QString>> answers;
    std::function<void(MainWindowTest&)> run;
};
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.command;
}

// Each command acts on what is selected: Drinks in the category box, so Coffee in the
// Product List, and the first row of the Shopping List.
const Case kCommands[] = {
    {"Add", "grocery.lst", {}, [](MainWindowTest& w) { w.key(Qt::Key_F2); }},
    {"Remove", "grocery.lst", {}, [](MainWindowTest& w) { w.click("foodoffcmd"); }},
    {"Clear", "grocery.lst", {Answer::Yes}, [](MainWindowTest& w) { w.click("clearlistcmd"); }},
    {"Price", "grocery.dat", {"3"}, [](MainWindowTest& w) { w.rightClickProducts(); }},
    {"Delete", "grocery.dat", {Answer::Yes, Answer::Yes}, [](MainWindowTest& w) { w.click("delfoodcmd"); }},
    {"StripPrices", "grocery.dat", {"yes", Answer::Ok}, [](MainWindowTest& w) { w.key(Qt::Key_F10); }},
    {"RenameCategory", "grocery.dat", {"Tea", Answer::Ok}, [](MainWindowTest& w) { w.click("categorycmd"); }},
    {"CustomList",
     "pantrecp.dat",
     {"weekly"},
     [](MainWindowTest& w) {
         w.selectProducts({0, 1}); // a custom list takes more than one
         w.trigger("recmakecmd");
     }},
    {"MergeImport", "grocery.dat", {Answer::Yes}, [](MainWindowTest& w) { w.trigger("mergecmd"); }},
    {"CommonProducts", "grocery.dat", {Answer::Yes}, [](MainWindowTest& w) { w.trigger("commonproductscmd"); }},
    {"Quit", "namefile.dat", {}, [](MainWindowTest& w) { w.key(Qt::Key_Escape); }},
};
} // namespace

class FileFailureTest : public MainWindowTest, public ::testing::WithParamInterface<Case>
{
};

TEST_P(FileFailureTest, IsToldAndChangesNothing)
{
    TempFolder::write("grocery.dat",
                      bytesOf(std::vector{product("Milk", "2.49", "Dairy"), product("Tea", "1.00", "Drinks"),
                                          product("Coffee", "4.00", "Drinks")}));
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", " 2.49", "1", "Dairy"),
                                                         listItem("Tea", " 1", "1", "Drinks")}));
    TempFolder::write("grocery.mrg", bytesOf(std::vector{product("Soap", "3.00", "Household")}));
    start();
    find<QListWidget>("Combo1")->setCurrentRow(2);
    selectProducts({0});
    selectShoppingRow(0);
    for (const auto& a : GetParam().answers) {
        if (const auto* typed = std::get_if<QString>(&a))
            dialogs.type(*typed);
        else
            dialogs.answer(std::get<Answer>(a));
    }
    dialogs.answer(Answer::Ok);
    const QByteArray before = TempFolder::read(GetParam().file);
    {
        const FileFaultGuard full(FileStep::Write, GetParam().file, ENOSPC, -1);
        GetParam().run(*this);
    }
    EXPECT_EQ(dialogs.last().text, "Writing " + GetParam().file + " failed: No space left on device");
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Critical);
    EXPECT_EQ(TempFolder::read(GetParam().file), before);
}

INSTANTIATE_TEST_SUITE_P(Commands, FileFailureTest, ::testing::ValuesIn(kCommands),
                         [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.command); });

TEST_F(MainWindowTest, AStartWhereNothingCanBeWrittenSaysSoInOneBox)
{
    std::vector<std::unique_ptr<FileFaultGuard>> readOnly;
    for (const char* name : {"grocery.dat", "grocery.lst", "pantlist.dat", "namefile.dat", "grocery.mrg"})
        readOnly.push_back(std::make_unique<FileFaultGuard>(FileStep::Open, name, EACCES, -1));
    dialogs.answer(Answer::Ok);
    start();
    const QString told = dialogs.last().text;
    EXPECT_TRUE(told.contains("grocery.dat") && told.contains("grocery.lst")) << told.toStdString();
    EXPECT_FALSE(told.contains("default list is used instead")) << "the default list was the one that failed";
    EXPECT_EQ(told.count("Opening grocery.lst failed"), 1);
}

TEST_F(MainWindowTest, TheStartBacksUpTheProductsAndTellsWhenItCannot)
{
    const QByteArray products = bytesOf(std::vector{product("Milk", "2.49", "Dairy")});
    TempFolder::write("grocery.dat", products);
    {
        const FileFaultGuard full(FileStep::Write, "grocery.bak", ENOSPC, -1);
        dialogs.answer(Answer::Ok);
        start();
        ASSERT_EQ(dialogs.boxes().size(), 1u);
        EXPECT_TRUE(dialogs.last().text.startsWith("Writing grocery.bak failed")) << dialogs.last().text.toStdString();
        EXPECT_FALSE(TempFolder::exists("grocery.bak"));
        EXPECT_EQ(productRows(), QStringList{"Milk"}) << "the start goes on";
    }
    EXPECT_TRUE(quit());
    window.reset();
    state.Loaded = false; // the next run
    start();
    EXPECT_EQ(TempFolder::read("grocery.bak"), products);

    // A backup that holds the products already is not written again: nothing can fail.
    const FileFaultGuard full(FileStep::Write, "grocery.bak", ENOSPC, -1);
    for (const QByteArray& now : {products, products + bytesOf(std::vector{product("Tea")})}) {
        if (now != products)
            TempFolder::write("grocery.dat", now);
        EXPECT_TRUE(quit());
        window.reset();
        state.Loaded = false;
        if (now != products)
            dialogs.answer(Answer::Ok); // changed products are written, and the write fails
        start();
    }
}
