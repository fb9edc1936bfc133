#include <gtest/gtest.h>

#ifdef PANTRIX_GUI_TESTS
#include <QApplication>
#else
#include <QCoreApplication>
#endif
#include <QSettings>
#include <QTemporaryDir>

// Every test starts without remembered settings: a window closed by one test does not place
// or order the windows of the next.
struct FreshSettings : ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo&) override { QSettings("Pantrix", "Pantrix").clear(); }
};

int main(int argc, char** argv)
{
    // The user's own settings are never read or written by a test.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
#ifdef PANTRIX_GUI_TESTS
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettings);
    return RUN_ALL_TESTS();
}
