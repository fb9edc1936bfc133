#pragma once

#include <QKeySequence>
#include <QList>
#include <QPoint>

#include <functional>

class QAbstractButton;
class QAbstractItemView;
class QEvent;
class QWidget;

namespace ui {

// The keys that stand for the mouse in a list: the menu key (which reaches the list as a
// keyboard context menu event) and Shift+F10 do what the right button does; Return and Enter
// do what a double-click does. Returns whether the event was one of them; a shortcut of the
// window never takes them from the list. With no row selected, they act on the list's
// current row.
bool handleListKeys(QAbstractItemView* list, QEvent* event, const std::function<void()>& rightClick,
                    const std::function<void()>& doubleClick);

// Whether the event is Esc reaching a widget (or asking to, before a shortcut of the window
// takes it). The caller accepts it when it has something to cancel.
bool isEscape(const QEvent* event);

// The keys of a standard command as the desktop binds them, or the fallback where the
// desktop has none for it (Quit has none on some).
QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QKeySequence& fallback);

// Puts the selected rows of the list on the clipboard as text, as they are shown, one line
// each, in the list's order (not the order they were picked in).
void copySelectedRows(const QAbstractItemView* view);

// Remembers whether the button was last pressed with the pointer or from the keyboard (or by
// a screen reader), so that a menu it opens can drop where the user looks.
void trackPresses(QAbstractButton* button);
// Where the button's menu opens: at the pointer after a click, under the button otherwise.
QPoint menuPosition(const QAbstractButton* button);

} // namespace ui
