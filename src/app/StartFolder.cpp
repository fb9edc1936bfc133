#include "StartFolder.h"

#include "model/ProgramInfo.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace app {

namespace {

QString absolute(const QString& base, const QString& path)
{
    return QDir::cleanPath(QDir(base).absoluteFilePath(path));
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

    const bool parsed = parser.parse(arguments);
    const QString program = arguments.isEmpty() ? QStringLiteral("pantrix") : QFileInfo(arguments.first()).fileName();

    StartPlan plan;
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        // The parser names the program after the application object, which does not exist
        // yet when help is answered.
        const QString text = parser.helpText();
        plan.answer = QStringLiteral("Usage: %1 [options]").arg(program) + text.mid(text.indexOf(u'\n'));
        return plan;
    }
    if (parser.isSet(versionOption)) {
        plan.answer = QStringLiteral("Pantrix %1\n").arg(model::kVersion);
        return plan;
    }
    if (!parsed)
        plan.error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        plan.error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    else if (parser.isSet(folderOption) && parser.value(folderOption).isEmpty())
        plan.error = QStringLiteral("The option --folder needs a folder.");
    if (!plan.error.isEmpty()) {
        plan.error = QStringLiteral("%1: %2\nTry '%1 --help'.\n").arg(program, plan.error);
        return plan;
    }

    if (parser.isSet(folderOption)) {
        plan.folder = absolute(QDir::currentPath(), parser.value(folderOption));
    } else if (parser.isSet(desktopOption)) {
        const QString homeFolder = QDir::cleanPath(home);
        const QString standard = absolute(homeFolder, QStringLiteral("Pantrix"));
        plan.folder = folderVariable.isEmpty() ? standard : absolute(homeFolder, folderVariable);
        if (plan.folder == homeFolder)
            plan.folder = standard;
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
