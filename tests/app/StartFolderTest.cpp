#include "app/StartFolder.h"
#include "support/Fixtures.h"

#include <QDir>

using app::planStart;

namespace {
const QString kHome = QStringLiteral("/home/ann");
}

TEST(StartFolder, ChoosesTheFolderFromOptionsAndEnvironment)
{
    const QString here = QDir::currentPath();
    const std::tuple<QStringList, QString, QString> cases[] = {
        // arguments, variable, folder
        {{}, "", ""},
        {{}, "/data", ""},
        {{"--folder", "/srv/lists"}, "", "/srv/lists"},
        {{"--folder=shop/"}, "", here + "/shop"},
        {{"--desktop"}, "", "/home/ann/Pantrix"},
        {{"--desktop"}, "/data/pantrix", "/data/pantrix"},
        {{"--desktop"}, "Documents/Shopping", "/home/ann/Documents/Shopping"},
        {{"--desktop"}, "/home/ann/", "/home/ann/Pantrix"},
        {{"--desktop"}, ".", "/home/ann/Pantrix"},
        {{"--desktop", "--folder", "/srv/lists"}, "/data", "/srv/lists"},
    };
    for (const auto& [arguments, variable, chosen] : cases) {
        const app::StartPlan plan = planStart(QStringList{"pantrix"} + arguments, variable, kHome);
        EXPECT_FALSE(plan.ends()) << arguments.join(' ').toStdString() << ": " << plan.error.toStdString();
        EXPECT_EQ(plan.folder, chosen) << arguments.join(' ').toStdString() << " with " << variable.toStdString();
    }
}

TEST(StartFolder, AnswersHelpAndVersionAndRefusesWhatItDoesNotKnow)
{
    const app::StartPlan help = planStart({"/usr/bin/pantrix", "-platform", "xcb", "--help"}, "", kHome);
    EXPECT_TRUE(help.answer.startsWith("Usage: pantrix [options]")) << help.answer.toStdString();
    EXPECT_EQ(planStart({"pantrix", "--help-all"}, "", kHome).answer, help.answer);
    EXPECT_EQ(planStart({"pantrix", "-v"}, "", kHome).answer, "Pantrix 6.1.1\n");
    EXPECT_FALSE(planStart({"pantrix", "-reverse"}, "", kHome).answer.contains("6.1.1"))
        << "a window system option is not read as -r -e -v ...";

    const std::pair<QStringList, const char*> refused[] = {
        {{"--bogus"}, "Unknown option 'bogus'."},
        {{"notes.lst"}, "Unexpected argument 'notes.lst'."},
        {{"--folder"}, "Missing value after '--folder'."},
        {{"--folder="}, "The option --folder needs a folder."},
    };
    for (const auto& [arguments, error] : refused) {
        const app::StartPlan plan = planStart(QStringList{"pantrix"} + arguments, "", kHome);
        EXPECT_EQ(plan.error, QStringLiteral("pantrix: %1\nTry 'pantrix --help'.\n").arg(error));
        EXPECT_TRUE(plan.folder.isEmpty());
    }
}

TEST(StartFolder, EntersTheFolderCreatingItOrSaysWhyNot)
{
    TempFolder folder;
    EXPECT_EQ(app::enterWorkingFolder({}), QString());
    EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).canonicalPath());

    TempFolder::write("taken", "a file");
    const QString blocked = folder.path() + "/taken/Pantrix";
    EXPECT_EQ(app::enterWorkingFolder(blocked), "Pantrix cannot create the folder " + blocked + ".");
    EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).canonicalPath());

    const QString fresh = folder.path() + "/home/Pantrix";
    EXPECT_EQ(app::enterWorkingFolder(fresh), QString());
    EXPECT_EQ(QDir::currentPath(), QDir(fresh).canonicalPath());
}
