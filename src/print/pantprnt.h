#pragma once

#include "PrintSettingsRules.h"
#include "data/Records.h"
#include "ui/PrintDocument.h"

#include "ui/SecondaryWindow.h"

#include <memory>

namespace Ui {
class pantprnt;
}
namespace model {
struct SharedState;
}
namespace ui {
class Desktop;
class Dialogs;
class Printer;
} // namespace ui

namespace print {

// The Shopping List as it was shown when the print dialog was opened.
struct ShownList
{
    int rowCount = 0;
    QString totalText;
};

// The print dialog: how the Shopping List is printed (kept in pantlpt.cfg) and up to three
// comment lines for the printout (kept in pantnote.dat). The main window takes no input
// while it is open; Esc and the close box leave it as "Exit with no changes" does.
class pantprnt : public ui::SecondaryWindow
{
    Q_OBJECT

public:
    // printed: whether a printout has been made in this run; the dialog sets it when it
    // prints, and then opens with empty comment lines.
    pantprnt(model::SharedState& state, ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop,
             ShownList shown, bool& printed, QWidget* parent = nullptr);
    ~pantprnt() override;

    // The choices the controls hold now.
    PrintChoices choices() const;
    // The printout the controls describe, from the files as they are now. Asks whether to
    // print the Shopping Notes when there are any.
    ui::PrintDocument document();

private:
    void load();
    void showChoices(const PrintChoices& choices);
    QStringList comments() const;
    bool saveComments();
    bool saveparameters();

    void printList();
    void printAndClose(const ui::PrintDocument& doc);
    void preview();
    void saveAndClose();
    void alphaChosen(bool on);
    void headersOrSeparatorsChecked(bool on);
    void boldChosen(bool on);

    std::unique_ptr<Ui::pantprnt> form_;
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    ui::Printer& printer_;
    ui::Desktop& desktop_;
    ShownList shown_;
    bool& printed_;
    data::PrintSettingsRecord settings_; // record 1 as read, so what the dialog does not show survives
};

} // namespace print
