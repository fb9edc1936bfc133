#include "SecondaryWindow.h"

#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QStyle>

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

void fitToScreen(QWidget* window)
{
    QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QRect free = (owner ? owner->screen() : window->screen())->availableGeometry();
    // The frame and title bar are not part of the window's size but take room of the screen:
    // as much as the owner's do, or a title bar's height where there is no owner to measure.
    QSize frame(0, window->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    if (owner && owner->isVisible())
        frame = frame.expandedTo(owner->frameGeometry().size() - owner->geometry().size());
    const QSize room = free.size() - frame;
    // A window sized by its form keeps that size where it fits; another takes its size hint.
    QSize wanted = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
    // A form's size leaves a wrapped label (which needs more lines in a larger font) short.
    if (const QLayout* layout = window->layout(); layout && layout->hasHeightForWidth())
        wanted.setHeight(qMax(wanted.height(), layout->totalHeightForWidth(wanted.width())));
    const QSize fitted = wanted.boundedTo(room);
    // Qt keeps the window's place inside the screen when it shows it (centred on the owner).
    if (window->testAttribute(Qt::WA_Resized) || fitted != wanted)
        window->resize(fitted);
}

void present(QDialog* window)
{
    fitToScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace ui
