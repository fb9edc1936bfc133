#pragma once

#include "LogRules.h"
#include "LogViewerState.h"

#include "ui/SecondaryWindow.h"

#include <QPointer>

#include <memory>

namespace Ui {
class pantlog1;
}
namespace ui {
class Desktop;
class Dialogs;
class Printer;
} // namespace ui

namespace shoplog {

class LogListModel;
class pantlogadd;
class pantlogchart;

// The Expense Log "Pantrix Shopping Log": every entry of pantlog.dat, oldest first, with
// the totals and averages of the coupon savings and the net spent. The list can be
// restricted to one shopping list or to picked entries; an entry opens in the editor. The main
// window takes no input while it is open; Esc and the close box do what "Quit" does.
class pantlog1 : public ui::SecondaryWindow
{
    Q_OBJECT

public:
    pantlog1(ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop, QWidget* parent = nullptr);
    ~pantlog1() override;

    LogViewerState& state() { return state_; }
    const LogView& view() const { return view_; }
    // The entry editor while it exists (hidden, not destroyed, when it closes).
    pantlogadd* editor() const;
    pantlogchart* chart() const;

    // Rebuilds the list when the editor saved or deleted, with its first line selected.
    // Runs on activation and when the editor closes.
    void HandleActivation();

    // "Quit": the chart goes with the window.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void makelist();
    void showLines(LogView view);
    void lineClicked(int row);
    void editEntry();
    void restrictOrRestore();
    void printLog();
    void showChart();
    void placeCaptions();
    std::vector<int> selectedRows() const;

    std::unique_ptr<Ui::pantlog1> form_;
    ui::Dialogs& dialogs_;
    ui::Printer& printer_;
    ui::Desktop& desktop_;
    LogViewerState state_;
    LogView view_;
    LogListModel* model_;
    QPointer<pantlogadd> editor_;
    QPointer<pantlogchart> chart_;
};

} // namespace shoplog
