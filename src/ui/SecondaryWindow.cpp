#include "SecondaryWindow.h"

#include <QKeyEvent>

namespace ui {

SecondaryWindow::SecondaryWindow(QWidget* owner, Modality modality, Qt::WindowFlags flags)
    : QDialog(owner, flags)
{
    setWindowModality(modality == Modality::Modal ? Qt::WindowModal : Qt::NonModal);
    // No "?" button: there is no context help behind it.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

bool SecondaryWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
            event->accept();
            return true;
        }
    }
    return QDialog::event(event);
}

void present(QDialog* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace ui
