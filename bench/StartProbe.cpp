// Starts Pantrix as the program does, in the folder given, and leaves it with Esc as soon as
// the window is at rest. Prints the resident memory at rest ("rss-kb N") and the peak
// ("peak-kb N"). The start-up benchmark times whole runs of it, process start to exit.
// Given a second argument, "products" or "log", it first prints the Product List or the
// log to a PDF, and tells the memory at rest after that.
#include "BenchSupport.h"

#include "app/HeapTuning.h"
#include "app/pantrix1.h"
#include "log/pantlog1.h"
#include "model/SharedState.h"
#include "ui/Dialogs.h"
#include "ui/QtPrinter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void printMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            std::printf("rss-kb %s\n", line.mid(6).trimmed().chopped(3).constData());
        if (line.startsWith("VmHWM:"))
            std::printf("peak-kb %s\n", line.mid(6).trimmed().chopped(3).constData());
    }
}

} // namespace

int main(int argc, char* argv[])
{
    app::tuneHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    app::giveBackAfterLongWork();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (argc < 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "usage: pantrix_start_probe FOLDER [products|log]\n");
        return 2;
    }
    const QByteArray printout = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    // A start as on a first run: no remembered window, and the user's settings left alone.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    model::SharedState state;
    bench::AgreeingDialogs dialogs;
    qputenv("PANTRIX_PRINTER", "pdf");
    ui::QtPrinter printer;
    app::pantrix1 window(state, dialogs, printer, bench::noDesktop());
    window.show();
    window.Load();
    // A zero timer fires once the events queued by the start (layout, paint) are handled.
    QTimer::singleShot(0, &window, [&window, &printout] {
        // Window-wide keys reach only the active window.
        if (!QTest::qWaitForWindowActive(&window))
            std::fprintf(stderr, "the window never became active\n");
        if (printout == "products") {
            window.findChild<QAbstractButton*>(QStringLiteral("printmastercmd"))->click();
        } else if (printout == "log") {
            window.findChild<QAction*>(QStringLiteral("logsee"))->trigger();
            auto* log = window.findChild<shoplog::pantlog1*>();
            log->findChild<QAbstractButton*>(QStringLiteral("printcmd"))->click();
            log->close();
        }
        // Once the loop has waited for events again, when memory long work freed is given
        // back.
        QTimer::singleShot(printout.isEmpty() ? 0 : 100, &window, [&window] {
            QDir(QStringLiteral("Printouts")).removeRecursively();
            printMemory();
            std::fflush(stdout);
            QTest::keyClick(&window, Qt::Key_Escape);
        });
    });
    return QApplication::exec();
}
