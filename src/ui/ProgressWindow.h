#pragma once

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

namespace ui {

// How far a long command on the window thread has come, in a small window over the one the
// user works in. Told how far the work is, it lets waiting events run, so the windows keep
// painting; user input goes only to the progress window. One that may be stopped offers
// Cancel (Esc too).
class ProgressWindow
{
public:
    enum class Stop { No, Cancel };

    // Shown after showAfterMs, or at once with 0; parent: the window it stands over.
    ProgressWindow(const QString& label, Stop stop, int showAfterMs, QWidget* parent);
    ~ProgressWindow();
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    // Shows done of total and handles the events that wait, a few dozen times a second at
    // most however often it is told; false once the user cancelled.
    bool advance(qsizetype done, qsizetype total);

private:
    std::unique_ptr<QProgressDialog> dialog_;
    bool cancellable_ = false;
    QElapsedTimer sinceShown_; // since the progress was last shown
};

} // namespace ui
