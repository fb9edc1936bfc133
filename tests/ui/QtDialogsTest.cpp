#include "ui/QtDialogs.h"
#include "support/Fixtures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

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
