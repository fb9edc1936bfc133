#include "app/FolderLock.h"
#include "app/HeapTuning.h"
#include "app/StartFolder.h"
#include "app/Translations.h"
#include "app/pantrix1.h"
#include "model/ProgramInfo.h"
#include "model/SharedState.h"
#include "ui/QtDesktop.h"
#include "ui/QtDialogs.h"
#include "ui/QtPrinter.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStyleFactory>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// The program's icon in every size the desktop's icon theme has, so that no window
// manager or task switcher scales a single one.
QIcon programIcon()
{
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& name : icons.entryList(QDir::Files))
        icon.addFile(icons.filePath(name));
    return icon;
}

} // namespace

int main(int argc, char* argv[])
{
    app::tuneHeap();
    // The command line is read before the window system is needed: help, version and a
    // mistyped option are answered on a machine without a display too.
    const app::StartPlan plan =
        app::planStart(argumentsOf(argc, argv), qEnvironmentVariable("PANTRIX_DIR"), QDir::homePath());
    if (!plan.answer.isEmpty()) {
        std::fputs(qPrintable(plan.answer), stdout);
        return 0;
    }
    if (!plan.error.isEmpty()) {
        std::fputs(qPrintable(plan.error), stderr);
        return 2;
    }

    QApplication application(argc, argv); // takes the window system's own options out
    const app::Translations translations; // the user's language, where Pantrix has it
    app::giveBackAfterLongWork();
    // Also the class of the windows (WM_CLASS), which the desktop entry names.
    QApplication::setApplicationName(model::kApplicationName);
    QApplication::setApplicationVersion(model::kVersion);
    QApplication::setDesktopFileName(model::kApplicationId);
    QApplication::setWindowIcon(programIcon());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (const QString failed = app::enterWorkingFolder(plan.folder); !failed.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failed));
        return 1;
    }

    // Held until the program ends; a second start on the folder writes nothing.
    app::FolderLock lock(QDir::currentPath());
    if (lock.acquire() == app::FolderLock::Outcome::Busy) {
        ui::QtDialogs refusal;
        refusal.tell(lock.busyMessage(), ui::Title::application(), ui::Icon::Exclamation);
        return 1;
    }

    model::SharedState state;
    ui::QtDialogs dialogs;
    ui::QtPrinter printer;
    ui::QtDesktop desktop;
    app::pantrix1 window(state, dialogs, printer, desktop);
    dialogs.setParent(&window);
    window.show();
    window.Load();
    if (!plan.store.isEmpty())
        window.openStore(plan.store);
    return QApplication::exec();
}
