#include "MainWindowFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

void MainWindowTest::start()
{
    window = std::make_unique<app::pantrix1>(state, dialogs, printer, desktop);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->Load();
}

void MainWindowTest::click(const char* button)
{
    auto* b = find<QAbstractButton>(button);
    ASSERT_TRUE(b->isEnabled()) << button << " is disabled";
    QTest::mouseClick(b, Qt::LeftButton);
}

void MainWindowTest::trigger(const char* action)
{
    auto* a = window->findChild<QAction*>(QString::fromLatin1(action));
    ASSERT_NE(a, nullptr) << "no action named " << action;
    ASSERT_TRUE(a->isEnabled()) << action << " is disabled";
    a->trigger();
}

void MainWindowTest::key(int k)
{
    QTest::keyClick(window.get(), Qt::Key(k));
}

QStringList MainWindowTest::productRows() const
{
    QStringList rows;
    auto* model = productView()->model();
    for (int r = 0; r < model->rowCount(); ++r)
        rows << model->index(r, 0).data().toString();
    return rows;
}

QStringList MainWindowTest::shoppingRows() const
{
    QStringList rows;
    for (int r = 0; r < shoppingView()->count(); ++r)
        rows << shoppingView()->item(r)->text();
    return rows;
}

void MainWindowTest::selectProducts(std::initializer_list<int> rows)
{
    auto* view = productView();
    auto* selection = view->selectionModel();
    selection->clearSelection();
    bool first = true;
    for (int r : rows) {
        const QModelIndex index = view->model()->index(r, 0);
        selection->setCurrentIndex(index, first ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Select);
        first = false;
    }
}

void MainWindowTest::selectShoppingRow(int row)
{
    shoppingView()->setCurrentRow(row);
}

void MainWindowTest::doubleClickProduct(int row)
{
    auto* view = productView();
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

void MainWindowTest::doubleClickShoppingRow(int row)
{
    auto* view = shoppingView();
    const QRect rect = view->visualItemRect(view->item(row));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

void MainWindowTest::rightClickProducts()
{
    QTest::mouseClick(productView()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
}

void MainWindowTest::rightClickShoppingList()
{
    QTest::mouseClick(shoppingView()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
}

QString MainWindowTest::text(const char* label) const
{
    if (auto* box = window->findChild<QGroupBox*>(QString::fromLatin1(label)))
        return box->title();
    return find<QLabel>(label)->text();
}
