#include "BenchSupport.h"

#include "app/HeapTuning.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    app::tuneHeap(); // the heap the program runs with
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The windows measured neither read nor write the user's own settings.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QDir::setCurrent(bench::workFolder().path());
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios measured in this run:\n");
    for (const auto& print : bench::ratioPrinters())
        print(reporter);
    benchmark::Shutdown();
    return 0;
}
