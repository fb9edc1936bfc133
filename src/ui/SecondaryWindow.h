#pragma once

#include <QDialog>
#include <QPointer>

#include <utility>

namespace ui {

// What every secondary window of the program is: a dialog owned by the window that opened
// it, so that the desktop keeps it above its owner and centres it there, Esc and the close
// box reach it as reject() (each window overrides that with what its own cancel does), and a
// screen reader announces it as a dialog with its caption. Results go back through
// finished(). F1 has nothing of its own to show in these windows: it is swallowed before a
// shortcut of the owner could take it.
class SecondaryWindow : public QDialog
{
    Q_OBJECT

public:
    enum class Modality { Modal, Beside };
    // Modal: the owner (and the windows above it) take no input while this is open.
    SecondaryWindow(QWidget* owner, Modality modality, Qt::WindowFlags flags = {});

protected:
    bool event(QEvent* event) override;
};

// Shows a window: a modal one blocks its owner, another comes to the front beside it. It is
// made to fit the screen first.
void present(QDialog* window);

// Shrinks a window that is larger than its screen's free area to that area (as far as its
// layout allows); Qt keeps it inside the screen when it shows it.
void fitToScreen(QWidget* window);

// Opens a fresh window in the slot, discarding the earlier one: the secondary windows are
// made afresh each time they are opened, so no box keeps a value from an earlier opening.
template<class Window, class... Args> Window* openFresh(QPointer<Window>& slot, Args&&... args)
{
    delete slot.data();
    slot = new Window(std::forward<Args>(args)...);
    present(slot);
    return slot;
}

} // namespace ui
