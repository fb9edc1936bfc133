#pragma once

#include "catalogue/pantadd.h"
#include "support/MainWindowFixture.h"
#include "ui_pantadd.h"

#include <QApplication>
#include <QTest>

// The main window with the product editor reached through its buttons.
class EditorTest : public MainWindowTest
{
protected:
    // Clicks New or Edit and waits until the editor is the active window (and has taken the
    // focus, so that leaving a box is seen).
    Ui::pantadd& open(const char* button)
    {
        click(button);
        catalogue::pantadd* e = editor();
        EXPECT_NE(e, nullptr) << "no editor opened";
        e->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(e));
        QCoreApplication::processEvents();
        return e->form();
    }
    catalogue::pantadd* editor() const { return window->findChild<catalogue::pantadd*>(); }
    bool editorShowing() const { return editor() && editor()->isVisible(); }

    // Types into a box as the user does: focus in, type, and leave it for another control.
    static void typeInto(QWidget* box, const QString& text, QWidget* next)
    {
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier); // typing replaces what the box held
        QTest::keyClicks(box, text);
        leave(box, next);
    }
    static void leave(QWidget* box, QWidget* next)
    {
        box->setFocus(Qt::TabFocusReason);
        next->setFocus(Qt::TabFocusReason);
        // Complaints about a box come right after the focus has moved on.
        QCoreApplication::processEvents();
    }
};
