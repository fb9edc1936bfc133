#include "StartFolder.h"

#include "model/ProgramInfo.h"
#include "stores/StoreRules.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace app {

namespace {

QString absolute(const QString& base, const QString& path)
{
    return QDir::cleanPath(QDir(base).absoluteFilePath(path));
}

// Options that Qt and its window system plugins take out of the arguments themselves; they
// are accepted here so that they are not refused before Qt has seen them.
void passOverWindowSystemOptions(QCommandLineParser& parser)
{
    const std::pair<const char*, QString> groups[] = {
        {"platform platformpluginpath platformtheme plugin qwindowgeometry qwindowtitle qwindowicon geometry title "
         "icon display name visual session style stylesheet",
         QStringLiteral("value")},
        {"reverse nograb dograb widgetcount testability", QString()},
    };
    for (const auto& [names, valueName] : groups) {
        for (const QString& name : QString::fromLatin1(names).split(u' ')) {
            QCommandLineOption option(name, QString(), valueName);
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }
}

// A list file that is there and would open: its folder holds its products.
bool opensAsStore(const QString& path)
{
    return QFileInfo(path).isFile() && stores::hasListExtension(path) && stores::openedListProblem(path).isEmpty();
}

} // namespace

StartPlan planStart(const QStringList& arguments, const QString& folderVariable, const QString& home)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Pantrix %1, a shopping list for the desktop.").arg(model::kVersion));
    // "-reverse" and the like are the window system's own, not a row of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption folderOption(QStringLiteral("folder"),
                                          QStringLiteral("Keep the data files in <dir> (created when missing)."),
                                          QStringLiteral("dir"));
    const QCommandLineOption desktopOption(
        model::kDesktopOption,
        QStringLiteral("Keep the data files in ~/Pantrix, or in the folder %1 names.").arg(kFolderVariable));
    parser.addOption(folderOption);
    parser.addOption(desktopOption);
    parser.addPositionalArgument(
        QStringLiteral("list"),
        QStringLiteral("A shopping list (.lst) to open; without --folder or --desktop, Pantrix works in its folder."),
        QStringLiteral("[list]"));
    passOverWindowSystemOptions(parser);

    const bool parsed = parser.parse(arguments);
    const QString program = arguments.isEmpty() ? QStringLiteral("pantrix") : QFileInfo(arguments.first()).fileName();

    StartPlan plan;
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        // The parser names the program after the application object, which does not exist
        // yet when help is answered.
        const QString text = parser.helpText();
        plan.answer = QStringLiteral("Usage: %1 [options] [list]").arg(program) + text.mid(text.indexOf(u'\n'));
        return plan;
    }
    if (parser.isSet(versionOption)) {
        plan.answer = QStringLiteral("Pantrix %1\n").arg(model::kVersion);
        return plan;
    }
    const QStringList lists = parser.positionalArguments();
    if (!parsed)
        plan.error = parser.errorText();
    else if (lists.size() > 1 || (lists.size() == 1 && lists.first().isEmpty()))
        plan.error = QStringLiteral("Unexpected argument '%1'.").arg(lists.last());
    else if (parser.isSet(folderOption) && parser.value(folderOption).isEmpty())
        plan.error = QStringLiteral("The option --folder needs a folder.");
    if (!plan.error.isEmpty()) {
        plan.error = QStringLiteral("%1: %2\nTry '%1 --help'.\n").arg(program, plan.error);
        return plan;
    }

    if (!lists.isEmpty())
        plan.store = absolute(QDir::currentPath(), lists.first());
    if (parser.isSet(folderOption)) {
        plan.folder = absolute(QDir::currentPath(), parser.value(folderOption));
    } else if (parser.isSet(desktopOption)) {
        const QString homeFolder = QDir::cleanPath(home);
        const QString standard = absolute(homeFolder, QStringLiteral("Pantrix"));
        plan.folder = folderVariable.isEmpty() ? standard : absolute(homeFolder, folderVariable);
        if (plan.folder == homeFolder)
            plan.folder = standard;
    } else if (!plan.store.isEmpty() && opensAsStore(plan.store)) {
        plan.folder = QFileInfo(plan.store).absolutePath();
    }
    return plan;
}

QString enterWorkingFolder(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    if (!QDir().mkpath(folder))
        return QStringLiteral("Pantrix cannot create the folder %1.").arg(QDir::toNativeSeparators(folder));
    if (!QDir::setCurrent(folder))
        return QStringLiteral("Pantrix cannot work in the folder %1.").arg(QDir::toNativeSeparators(folder));
    return {};
}

} // namespace app
