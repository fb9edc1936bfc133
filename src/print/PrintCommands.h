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
namespace notes {
class pantnote;
}

namespace print {

class pantprnt;

// The printing commands of the main window and the windows they open. Each window is made
// afresh when it is opened (an earlier one is discarded first).
class PrintCommands : public QObject
{
    Q_OBJECT

public:
    PrintCommands(model::SharedState& state, ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop,
                  model::ListViews& views, QWidget* window);
    ~PrintCommands() override;

    pantprnt* printDialog() const;
    notes::pantnote* notesWindow() const;
    // Whether a Shopping List printout has been made in this run.
    bool printed() const { return printed_; }

public slots:
    // "Print the shopping list....": the print dialog for the Shopping List as shown.
    void openPrintDialog();
    // The Product List as shown, after asking.
    void printProductList();
    // The Shopping Notes window.
    void openNotes();

signals:
    // A window this opened has closed; the main window takes over again.
    void windowClosed();

private:
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    ui::Printer& printer_;
    ui::Desktop& desktop_;
    model::ListViews& views_;
    QWidget* window_;
    QPointer<pantprnt> printDialog_;
    QPointer<notes::pantnote> notes_;
    bool printed_ = false;
};

} // namespace print
