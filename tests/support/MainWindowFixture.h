#pragma once

#include "FakeDialogs.h"
#include "FakePrinter.h"
#include "Fixtures.h"
#include "QtPrinters.h"
#include "TempFolder.h"
#include "app/pantrix1.h"
#include "model/SharedState.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A main window in its own working folder, driven through its controls, with every box
// answered by the dialog double. Public, so that a table of commands can drive it.
class MainWindowTest : public ::testing::Test
{
public:
    void start();
    // Ends the program through Exit; returns whether it ended.
    bool quit() { return window->Quit(); }

    // A control of this or any other window, found by name.
    template<class T = QWidget> static T* child(const QObject* in, const char* name)
    {
        T* widget = in->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no control named " << name;
        return widget;
    }
    template<class T> T* find(const char* name) const { return child<T>(window.get(), name); }
    void click(const char* button);
    void trigger(const char* action);
    void key(int key) { QTest::keyClick(window.get(), Qt::Key(key)); }

    QListView* productView() const { return find<QListView>("List1"); }
    QListView* shoppingView() const { return find<QListView>("List2"); }
    static QStringList rowsOf(const QAbstractItemView* view);
    QStringList productRows() const { return rowsOf(productView()); }
    QStringList shoppingRows() const { return rowsOf(shoppingView()); }
    // Selects these rows of the Product List, the first one current.
    void selectProducts(std::initializer_list<int> rows);
    // Makes the row current and the only one selected; -1: none.
    void selectShoppingRow(int row)
    {
        shoppingView()->selectionModel()->setCurrentIndex(shoppingView()->model()->index(row, 0),
                                                          QItemSelectionModel::ClearAndSelect);
    }
    static void clickRow(QAbstractItemView* view, int row, bool twice = false, Qt::KeyboardModifiers modifiers = {});
    void doubleClickProduct(int row) { clickRow(productView(), row, true); }
    void doubleClickShoppingRow(int row) { clickRow(shoppingView(), row, true); }
    void rightClickProducts() { QTest::mouseClick(productView()->viewport(), Qt::RightButton, {}, QPoint(5, 5)); }
    void rightClickShoppingList() { QTest::mouseClick(shoppingView()->viewport(), Qt::RightButton, {}, QPoint(5, 5)); }
    // Types into a box as the user does: focus in, replace what it held, leave it for another control.
    static void typeInto(QWidget* box, const QString& text, QWidget* next);
    // A label's text or a group box's title.
    QString text(const char* label) const;
    bool enabled(const char* control) const { return find<QWidget>(control)->isEnabled(); }
    // The records of the default store's files as they are on disk.
    static std::vector<data::ProductRecord> products() { return recordsIn<data::ProductRecord>("grocery.dat"); }
    static std::vector<data::ShoppingItemRecord> items() { return recordsIn<data::ShoppingItemRecord>("grocery.lst"); }

    TempFolder folder;
    FakeDialogs dialogs;
    FakePrinter printer;
    FakeDesktop desktop;
    model::SharedState state;
    std::unique_ptr<app::pantrix1> window;
};
