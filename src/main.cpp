#include "app/FolderLock.h"
#include "app/HeapTuning.h"
#include "app/StartFolder.h"
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

app::StartPlan planFor(const QStringList& arguments)
{
    return app::planStart(arguments, qEnvironmentVariable("PANTRIX_DIR"), QDir::homePath());
}

} // namespace

int main(int argc, char* argv[])
{
    app::tuneHeap();
    // --help and --version are answered before the window system is needed.
    if (const app::StartPlan early = planFor(argumentsOf(argc, argv)); !early.answer.isEmpty()) {
        std::fputs(qPrintable(early.answer), stdout);
        return 0;
    }

    QApplication application(argc, argv); // takes the window system's own options out
    app::giveBackAfterLongWork();
    QApplication::setApplicationName(QStringLiteral("Pantrix"));
    QApplication::setApplicationVersion(model::kVersion);
    QApplication::setDesktopFileName(model::kApplicationId);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pantrix-64.png")));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    const app::StartPlan plan = planFor(QApplication::arguments());
    if (!plan.error.isEmpty()) {
        std::fputs(qPrintable(plan.error), stderr);
        return 2;
    }
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
    return QApplication::exec();
}
