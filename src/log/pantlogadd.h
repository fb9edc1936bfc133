#pragma once

#include "EntryEditing.h"
#include "LogViewerState.h"

#include <QWidget>

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
// writes straight into the log file and leaves the refresh flag for the log window.
class pantlogadd : public QWidget
{
    Q_OBJECT

public:
    pantlogadd(LogViewerState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);
    ~pantlogadd() override;

signals:
    // The editor has hidden itself; the log window takes over again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Formats a money box, or complains and keeps the focus there; false when it complained.
    bool checkMoney(QLineEdit* box, bool later);
    void save();
    void deleteCurrent();
    void closeEditor();

    std::unique_ptr<Ui::pantlogadd> form_;
    LogViewerState& state_;
    ui::Dialogs& dialogs_;
    bool complaintPending_ = false;
};

} // namespace shoplog
