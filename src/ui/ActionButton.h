#pragma once

class QAbstractButton;
class QAction;

namespace ui {

// Makes a button stand for an action: a click (or a toggle) triggers it, and the button
// shows the action's enabled and checked state. The button keeps its own caption and tool
// tip, which the window's design gives it.
void bind(QAbstractButton* button, QAction* action);

// The action a button stands for, or nullptr.
QAction* boundAction(const QAbstractButton* button);

} // namespace ui
