#pragma once

#include "EntryEditing.h"
#include "LogViewerState.h"

#include "ui/SecondaryWindow.h"

#include <memory>

class QLineEdit;

namespace Ui {
class pantlogadd;
}
namespace ui {
class Dialogs;
}

namespace shoplog {

// The entry editor "Add/Edit": corrects or deletes the Expense Log's current entry. It
// writes straight into the log file and leaves the refresh flag for the log window. The log
// window takes no input while it is open; Esc and the close box do what "Close" does.
class pantlogadd : public ui::SecondaryWindow
{
    Q_OBJECT

public:
    pantlogadd(LogViewerState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);
    ~pantlogadd() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Formats a money box, or complains and keeps the focus there; false when it complained.
    bool checkMoney(QLineEdit* box, bool later);
    void save();
    void deleteCurrent();

    std::unique_ptr<Ui::pantlogadd> form_;
    LogViewerState& state_;
    ui::Dialogs& dialogs_;
    bool complaintPending_ = false;
};

} // namespace shoplog
