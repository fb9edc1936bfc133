#pragma once

#include "LogRules.h"
#include "LogViewerState.h"

#include <QWidget>

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
// restricted to one shopping list or to picked entries; an entry opens in the editor.
class pantlog1 : public QWidget
{
    Q_OBJECT

public:
    pantlog1(ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop, QWidget* parent = nullptr);
    ~pantlog1() override;

    LogViewerState& state() { return state_; }
    const LogView& view() const { return view_; }
    // The entry editor while it exists (hidden, not destroyed, when it closes).
    pantlogadd* editor() const { return editor_.get(); }
    pantlogchart* chart() const { return chart_.get(); }

    // Rebuilds the list when the editor saved or deleted, with its first line selected.
    // Runs on activation and when the editor closes.
    void HandleActivation();

signals:
    // The window has hidden itself; the main window takes over again.
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void makelist();
    void showLines(LogView view);
    void lineClicked(int row);
    void editEntry();
    void restrictOrRestore();
    void printLog();
    void showChart();
    void quit();
    void placeCaptions();
    std::vector<int> selectedRows() const;

    std::unique_ptr<Ui::pantlog1> form_;
    ui::Dialogs& dialogs_;
    ui::Printer& printer_;
    ui::Desktop& desktop_;
    LogViewerState state_;
    LogView view_;
    LogListModel* model_;
    std::unique_ptr<pantlogadd> editor_;
    std::unique_ptr<pantlogchart> chart_;
};

} // namespace shoplog
