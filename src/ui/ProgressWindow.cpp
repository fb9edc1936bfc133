#include "ProgressWindow.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include <algorithm>

namespace ui {

ProgressWindow::ProgressWindow(const QString& label, Stop stop, int showAfterMs, QWidget* parent)
    : dialog_(std::make_unique<QProgressDialog>(label, QString(), 0, 100, parent))
    , cancellable_(stop == Stop::Cancel)
{
    dialog_->setObjectName(QStringLiteral("progress"));
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    if (cancellable_) {
        dialog_->setCancelButtonText(QCoreApplication::translate("ui::ProgressWindow", "Cancel"));
        // Input is let through while the work runs; every other window stays closed to it.
        dialog_->setWindowModality(Qt::ApplicationModal);
    } else {
        dialog_->setWindowModality(Qt::WindowModal);
    }
    dialog_->setValue(0);
    dialog_->setMinimumDuration(showAfterMs);
    if (showAfterMs == 0)
        dialog_->show();
}

ProgressWindow::~ProgressWindow() = default;

bool ProgressWindow::advance(qsizetype done, qsizetype total)
{
    // Painting the window at every step of quick steps (the pages of a long printout) would
    // take longer than the work.
    if (sinceShown_.isValid() && sinceShown_.elapsed() < 30)
        return !dialog_->wasCanceled();
    sinceShown_.start();
    dialog_->setValue(int(done * 100 / std::max<qsizetype>(total, 1)));
    // Keeps the windows painted. Without Cancel nothing may take input meanwhile; with it,
    // the modal progress window is the only one that can.
    QCoreApplication::processEvents(cancellable_ ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    return !dialog_->wasCanceled();
}

} // namespace ui
