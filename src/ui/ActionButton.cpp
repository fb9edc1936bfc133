#include "ActionButton.h"

#include <QAbstractButton>
#include <QAction>
#include <QPointer>
#include <QSignalBlocker>

namespace ui {

namespace {
const char* const kBoundAction = "boundAction";
}

void bind(QAbstractButton* button, QAction* action)
{
    if (action->isCheckable()) {
        // However the button changes (mouse, keyboard, a screen reader's toggle), the
        // action follows it.
        QObject::connect(button, &QAbstractButton::toggled, action, &QAction::setChecked);
    } else {
        QObject::connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    }
    QObject::connect(action, &QAction::changed, button, [action, button] {
        button->setEnabled(action->isEnabled());
        if (action->isCheckable()) {
            const QSignalBlocker quiet(button);
            button->setChecked(action->isChecked());
        }
    });
    button->setEnabled(action->isEnabled());
    button->setProperty(kBoundAction, QVariant::fromValue(QPointer<QAction>(action)));
}

QAction* boundAction(const QAbstractButton* button)
{
    return button->property(kBoundAction).value<QPointer<QAction>>();
}

} // namespace ui
