#include "MainWindowFixture.h"

#include <QGroupBox>
#include <QLabel>

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

QStringList MainWindowTest::rowsOf(const QAbstractItemView* view)
{
    QStringList rows;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        rows << view->model()->index(r, 0).data().toString();
    return rows;
}

void MainWindowTest::selectProducts(std::initializer_list<int> rows)
{
    auto* selection = productView()->selectionModel();
    selection->clearSelection();
    auto flags = QItemSelectionModel::ClearAndSelect;
    for (int r : rows) {
        selection->setCurrentIndex(productView()->model()->index(r, 0), flags);
        flags = QItemSelectionModel::Select;
    }
}

void MainWindowTest::clickRow(QAbstractItemView* view, int row, bool twice, Qt::KeyboardModifiers modifiers)
{
    QCoreApplication::processEvents(); // lay out a list that was just shown
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, at);
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, modifiers, at);
}

void MainWindowTest::typeInto(QWidget* box, const QString& text, QWidget* next)
{
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
    next->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents(); // complaints about a box come right after the focus moved on
}

QString MainWindowTest::text(const char* label) const
{
    if (auto* box = window->findChild<QGroupBox*>(QString::fromLatin1(label)))
        return box->title();
    return find<QLabel>(label)->text();
}
