#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace model {
class ListViews;
struct SharedState;
} // namespace model
namespace ui {
class Desktop;
class Dialogs;
class Printer;
} // namespace ui

namespace shoplog {

class pantlog1;

// The Log menu of the main window: filing the current Shopping List as a log entry and
// opening the Expense Log.
class LogCommands : public QObject
{
    Q_OBJECT

public:
    LogCommands(model::SharedState& state, ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop,
                model::ListViews& views, QWidget* window);
    ~LogCommands() override;

    // The Expense Log while it exists (hidden, not destroyed, when it closes).
    pantlog1* viewer() const;

public slots:
    // Files one entry for the current Shopping List; an empty list files nothing.
    void logput();
    // Opens the Expense Log afresh; the main window takes no input while it is open.
    void logsee();

signals:
    // The Expense Log has closed; the main window has the focus again.
    void logClosed();

private:
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    ui::Printer& printer_;
    ui::Desktop& desktop_;
    model::ListViews& views_;
    QWidget* window_;
    QPointer<pantlog1> viewer_;
};

} // namespace shoplog
