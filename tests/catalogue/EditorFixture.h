#pragma once

#include "catalogue/pantadd.h"
#include "support/MainWindowFixture.h"
#include "ui_pantadd.h"

#include <QTest>

// The main window with the product editor reached through its buttons.
class ProductEditorTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        TempFolder::write("grocery.dat", bytesOf(std::vector{product("Milk", "2.49", "02.00 Dairy"),
                                                             product("Bread", "2.00", "Bakery", false, true),
                                                             product("Salt", "", "")}));
    }
    // Clicks New or Edit and waits until the editor is active (and has the focus, so that
    // leaving a box is seen).
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
    std::vector<data::ProductRecord> products() const { return recordsIn<data::ProductRecord>("grocery.dat"); }

    // Types into a box as the user does: focus in, replace what it held, leave it for another control.
    static void typeInto(QWidget* box, const QString& text, QWidget* next)
    {
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
        next->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents(); // complaints about a box come right after the focus moved on
    }
};
