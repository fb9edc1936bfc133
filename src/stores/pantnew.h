#pragma once

#include <QDialog>

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
// reloads the store when it sees StoreChanged.
class pantnew : public QDialog
{
    Q_OBJECT

public:
    pantnew(model::SharedState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);

    // The Create button.
    void create();

signals:
    // A new store is current; the dialog has hidden itself.
    void storeCreated();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    QLabel* Label1;
    QLineEdit* fnametxt;
    QPushButton* createcmd;
    QPushButton* cancelcmd;
};

} // namespace stores
