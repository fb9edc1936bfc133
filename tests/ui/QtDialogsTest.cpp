#include "ui/QtDialogs.h"
#include "support/Fixtures.h"
#include "support/TempFolder.h"
#include "ui/SecondaryWindow.h"
#include "ui/UserSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

// A box belongs to the window that asked for it, so closing it hands the activation back
// there; and a box told to have no title shows none (Qt would show the program's name).
TEST(QtDialogs, BoxBelongsToTheAskingWindowAndShowsNoTitleWhenToldSo)
{
    QWidget main;
    main.show();
    QWidget editor(&main, Qt::Window);
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));

    ui::QtDialogs dialogs(&main);
    QWidget* owner = nullptr;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        owner = box->parentWidget();
        title = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.tell(QStringLiteral("Saved."), ui::Title::none());
    EXPECT_EQ(owner, &editor);
    EXPECT_TRUE(title.trimmed().isEmpty()) << "no text in the title";
    EXPECT_FALSE(title.isEmpty()) << "an empty title would show the program's name";
    EXPECT_EQ(ui::windowTitleFor(ui::Title::application()), "PANTRIX");
}

namespace {

// Runs the call; `handle` gets the box or chooser it opens.
template<class Box> void whileOpen(const std::function<void(Box*)>& handle, const std::function<void()>& call)
{
    QTimer::singleShot(0, [&] { handle(qobject_cast<Box*>(QApplication::activeModalWidget())); });
    call();
}

} // namespace

// A long prompt wraps (on one line it makes a box wider than any screen); a window larger
// than the screen is made to fit it.
TEST(QtDialogs, ALongPromptAndALargeWindowFitTheScreen)
{
    ui::QtDialogs dialogs;
    QWidget owner;
    owner.show();
    const QRect free = owner.screen()->availableGeometry();
    QRect shown;
    whileOpen<QDialog>(
        [&](QDialog* box) {
            shown = box->frameGeometry();
            box->reject();
        },
        [&] { dialogs.input(QStringLiteral("Erase every price of the Product List? ").repeated(30), {}, {}); });
    EXPECT_TRUE(free.contains(shown)) << shown.width() << " x " << shown.height();

    QDialog large(&owner);
    large.resize(free.size() * 2);
    ui::present(&large);
    EXPECT_TRUE(free.contains(large.frameGeometry()));
}

// The chooser starts where the user last chose a file, also in an earlier run.
TEST(QtDialogs, TheChooserStartsInTheFolderLastChosenFrom)
{
    const TempFolder folder;
    QDir().mkpath(QStringLiteral("stores"));
    TempFolder::write(QStringLiteral("Corner.lst"), {});
    const QString key = QStringLiteral("files/lastFolder");
    ui::UserSettings().setValue(key, QDir(QStringLiteral("stores")).canonicalPath()); // as the last run left it
    QString startedIn;
    whileOpen<QFileDialog>(
        [&](QFileDialog* chooser) {
            startedIn = chooser->directory().dirName();
            chooser->selectFile(QDir::current().filePath(QStringLiteral("Corner.lst")));
            static_cast<QDialog*>(chooser)->accept(); // QFileDialog hides accept()
        },
        [&] {
            ui::QtDialogs().openFile(QStringLiteral("Open a Shopping List"), QStringLiteral("Pantrix Lists|*.lst"));
        });
    EXPECT_EQ(startedIn, "stores");
    EXPECT_EQ(ui::UserSettings().value(key).toString(), QDir::current().canonicalPath()) << "kept for the next run";
}
