#pragma once

#include "catalogue/pantadd.h"
#include "support/MainWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QTest>

// The editor's controls, found by name.
struct EditorControls
{
    explicit EditorControls(QWidget* editor)
        : itemtxt(get<QLineEdit>(editor, "itemtxt"))
        , pricetxt(get<QLineEdit>(editor, "pricetxt"))
        , aisletxt(get<QLineEdit>(editor, "aisletxt"))
        , Combo1(get<QComboBox>(editor, "Combo1"))
        , fatchk(get<QCheckBox>(editor, "fatchk"))
        , carbchk(get<QCheckBox>(editor, "carbchk"))
        , aislelbl(get<QLabel>(editor, "aislelbl"))
        , savecmd(get<QPushButton>(editor, "savecmd"))
        , addmorecmd(get<QPushButton>(editor, "addmorecmd"))
        , quitcmd(get<QPushButton>(editor, "quitcmd"))
        , categorycmd(get<QPushButton>(editor, "categorycmd"))
        , Command1(get<QPushButton>(editor, "Command1"))
        , aisleinfocmd(get<QPushButton>(editor, "aisleinfocmd"))
    {
    }
    template<class T> static T* get(QWidget* editor, const char* name)
    {
        T* control = editor->findChild<T*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << "no control named " << name;
        return control;
    }
    QLineEdit *itemtxt, *pricetxt, *aisletxt;
    QComboBox* Combo1;
    QCheckBox *fatchk, *carbchk;
    QLabel* aislelbl;
    QPushButton *savecmd, *addmorecmd, *quitcmd, *categorycmd, *Command1, *aisleinfocmd;
};

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
    EditorControls open(const char* button)
    {
        click(button);
        catalogue::pantadd* e = editor();
        EXPECT_NE(e, nullptr) << "no editor opened";
        e->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(e));
        QCoreApplication::processEvents();
        return EditorControls(e);
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
