#include "KeyboardPaths.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>

namespace ui {

namespace {

const char* const kPressedByPointer = "pressedByPointer";

enum class ListKey { None, RightClick, DoubleClick };

ListKey listKey(const QEvent* event)
{
    if (event->type() == QEvent::ContextMenu)
        return static_cast<const QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard
                   ? ListKey::RightClick
                   : ListKey::None;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return ListKey::None;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)
        return ListKey::RightClick;
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier)
        return ListKey::DoubleClick;
    return ListKey::None;
}

// Watches a button's presses; one per button, owned by it.
class PressTracker : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            watched->setProperty(kPressedByPointer, true);
            break;
        case QEvent::KeyPress:
        case QEvent::Shortcut:
            watched->setProperty(kPressedByPointer, false);
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

bool handleListKeys(QAbstractItemView* list, QEvent* event, const std::function<void()>& rightClick,
                    const std::function<void()>& doubleClick)
{
    const ListKey key = listKey(event);
    if (key == ListKey::None)
        return false;
    event->accept();
    if (event->type() == QEvent::ShortcutOverride)
        return true; // the key press itself follows
    // The row the keyboard is on is the one meant, also where moving onto it (the focus
    // coming to the list) selected nothing.
    const QModelIndex current = list->currentIndex();
    if (current.isValid() && !list->selectionModel()->hasSelection())
        list->selectionModel()->select(current, QItemSelectionModel::Select);
    if (key == ListKey::RightClick)
        rightClick();
    else
        doubleClick();
    return true;
}

bool isEscape(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Escape && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QKeySequence& fallback)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty())
        keys.append(fallback);
    return keys;
}

void copySelectedRows(const QAbstractItemView* view)
{
    QModelIndexList selected = view->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList lines;
    for (const QModelIndex& index : selected)
        lines.append(index.data().toString());
    if (!lines.isEmpty())
        QGuiApplication::clipboard()->setText(lines.join(u'\n'));
}

void trackPresses(QAbstractButton* button)
{
    button->installEventFilter(new PressTracker(button));
}

QPoint menuPosition(const QAbstractButton* button)
{
    if (button->property(kPressedByPointer).toBool())
        return QCursor::pos();
    return button->mapToGlobal(QPoint(0, button->height()));
}

} // namespace ui
