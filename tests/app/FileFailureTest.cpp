// Every command that writes tells which file failed and leaves the files as they were.
#include "data/FileFaults.h"
#include "support/MainWindowFixture.h"

#include <functional>

using namespace data;
using ui::Answer;

class FileFailureTest;

namespace {
struct Case
{
    const char* command;
    QString file; // the file whose writing fails
    // Queues the answers (the failure's own OK last) and gives the command.
    std::function<void(FileFailureTest&, FakeDialogs&)> run;
};
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.command;
}
} // namespace

class FileFailureTest : public MainWindowTest, public ::testing::WithParamInterface<Case>
{
};

TEST_P(FileFailureTest, IsToldAndChangesNothing)
{
    TempFolder::write("grocery.dat",
                      bytesOf(std::vector{product("Milk", "2.49", "Dairy"), product("Tea", "1.00", "Drinks")}));
    TempFolder::write("grocery.lst", bytesOf(std::vector{listItem("Milk", " 2.49", "1", "Dairy"),
                                                         listItem("Tea", " 1", "1", "Drinks")}));
    TempFolder::write("grocery.mrg", bytesOf(std::vector{product("Soap", "3.00", "Household")}));
    start();
    const QByteArray before = TempFolder::read(GetParam().file);
    {
        const FileFaultGuard full(FileStep::Write, GetParam().file, ENOSPC, -1);
        GetParam().run(*this, dialogs);
    }
    ASSERT_FALSE(dialogs.boxes().empty());
    EXPECT_EQ(dialogs.last().text, "Writing " + GetParam().file + " failed: No space left on device");
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Critical);
    EXPECT_EQ(TempFolder::read(GetParam().file), before);
}

INSTANTIATE_TEST_SUITE_P(Commands, FileFailureTest,
                         ::testing::Values(Case{"Add", "grocery.lst",
                                                [](FileFailureTest& w, FakeDialogs& boxes) {
                                                    boxes.answer(Answer::Ok);
                                                    w.selectProducts({0, 1});
                                                    w.key(Qt::Key_F2);
                                                }},
                                           Case{"Remove", "grocery.lst",
                                                [](FileFailureTest& w, FakeDialogs& boxes) {
                                                    boxes.answer(Answer::Ok);
                                                    w.selectShoppingRow(0);
                                                    w.click("foodoffcmd");
                                                }},
                                           Case{"Clear", "grocery.lst",
                                                [](FileFailureTest& w, FakeDialogs& boxes) {
                                                    boxes.answer(Answer::Yes).answer(Answer::Ok);
                                                    w.click("clearlistcmd");
                                                }},
                                           Case{"Price", "grocery.dat",
                                                [](FileFailureTest& w, FakeDialogs& boxes) {
                                                    boxes.type("3").answer(Answer::Ok);
                                                    w.selectProducts({0});
                                                    w.rightClickProducts();
                                                }},
                                           Case{"Delete", "grocery.dat",
                                                [](FileFailureTest& w, FakeDialogs& boxes) {
                                                    boxes.answer(Answer::Yes).answer(Answer::Yes).answer(Answer::Ok);
                                                    w.selectProducts({0});
                                                    w.click("delfoodcmd");
                                                }},
                                           Case{"StripPrices", "grocery.dat",
                                                [](FileFailureTest& w, FakeDialogs& boxes) {
                                                    boxes.type("yes").answer(Answer::Ok).answer(Answer::Ok);
                                                    w.key(Qt::Key_F10);
                                                }},
                                           Case{"RenameCategory", "grocery.dat",
                                                [](FileFailureTest& w, FakeDialogs& boxes) {
                                                    boxes.type("Drinks And Tea").answer(Answer::Ok).answer(Answer::Ok);
                                                    w.find<QListWidget>("Combo1")->setCurrentRow(2);
                                                    w.click("categorycmd");
                                                }},
                                           Case{"CustomList", "pantrecp.dat",
                                                [](FileFailureTest& w, FakeDialogs& boxes) {
                                                    boxes.type("weekly").answer(Answer::Ok);
                                                    w.selectProducts({0, 1});
                                                    w.trigger("recmakecmd");
                                                }},
                                           Case{"MergeImport", "grocery.dat",
                                                [](FileFailureTest& w, FakeDialogs& boxes) {
                                                    boxes.answer(Answer::Yes).answer(Answer::Ok);
                                                    w.trigger("mergecmd");
                                                }},
                                           Case{"Quit", "namefile.dat",
                                                [](FileFailureTest& w, FakeDialogs& boxes) {
                                                    boxes.answer(Answer::Ok);
                                                    w.key(Qt::Key_Escape);
                                                }}),
                         [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.command); });

TEST_F(MainWindowTest, AStartWhereNothingCanBeWrittenSaysSoInOneBox)
{
    std::vector<std::unique_ptr<FileFaultGuard>> readOnly;
    for (const char* name : {"grocery.dat", "grocery.lst", "pantlist.dat", "namefile.dat", "grocery.mrg"})
        readOnly.push_back(std::make_unique<FileFaultGuard>(FileStep::Open, name, EACCES, -1));
    dialogs.answer(Answer::Ok);
    start();
    ASSERT_EQ(dialogs.boxes().size(), 1u);
    const QString told = dialogs.last().text;
    EXPECT_TRUE(told.contains("grocery.dat") && told.contains("grocery.lst")) << told.toStdString();
    EXPECT_FALSE(told.contains("default list is used instead")) << "the default list was the one that failed";
    EXPECT_EQ(told.count("Opening grocery.lst failed"), 1);
}
