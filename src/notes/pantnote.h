#pragma once

#include "ui/SecondaryWindow.h"

#include <memory>

namespace Ui {
class pantnote;
}
namespace ui {
class Desktop;
class Dialogs;
class Printer;
} // namespace ui

namespace notes {

// "Shopping Notes": the one free-text note kept beside every shopping list, in
// pantnotes.dat. The main window takes no input while it is open; Esc and the close box
// close it as "Close" does, without saving.
class pantnote : public ui::SecondaryWindow
{
    Q_OBJECT

public:
    pantnote(ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop, QWidget* parent = nullptr);
    ~pantnote() override;

    static QString whatsThis();

private:
    bool save();
    void saveAndClose();
    void printNotes();
    void keepWithinRecord();

    std::unique_ptr<Ui::pantnote> form_;
    ui::Dialogs& dialogs_;
    ui::Printer& printer_;
    ui::Desktop& desktop_;
    QString fitted_; // the box's text as last seen within the record
};

} // namespace notes
