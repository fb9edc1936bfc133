#pragma once

#include "ui/SecondaryWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace model {
struct SharedState;
}
namespace ui {
class Dialogs;
}

namespace stores {

// "Create new shopping list": asks a name for a new store, checks it and makes the new
// store current, with its own product file or the shared grocery.dat. The main window
// reloads the store when it sees StoreChanged. The main window takes no input while it is
// open, so no command can change the store under it; Esc and the close box cancel.
class pantnew : public ui::SecondaryWindow
{
    Q_OBJECT

public:
    pantnew(model::SharedState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);

    // The Create button; accepted when a new store is current.
    void create();

private:
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    QLabel* Label1;
    QLineEdit* fnametxt;
    QPushButton* createcmd;
    QPushButton* cancelcmd;
};

} // namespace stores
