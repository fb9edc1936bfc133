#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace model {
struct SharedState;
}
namespace ui {
class Dialogs;
}

namespace stores {

class pantnew;

// Opening another store through the file chooser and creating one through the pantnew
// dialog. Making the store current is the main window's work: it is told through signals.
class StoreCommands : public QObject
{
    Q_OBJECT

public:
    StoreCommands(model::SharedState& state, ui::Dialogs& dialogs, QWidget* window);
    ~StoreCommands() override;

    // "Open...": asks for a .lst file and opens it as OpenFile does.
    void Open();
    // Checks that the named file is a list that is there and can be opened, saying why not
    // in a box; a list that can is made the current store (storeChosen);
    // returns whether it was.
    bool OpenFile(const QString& listFile);
    // "New...": the new-store dialog, made afresh.
    void New();

signals:
    // A list file was chosen and can be opened: it should become the current store.
    void storeChosen(const QString& listFile);
    // pantnew has closed; when it made a new store current, StoreChanged is set.
    void newClosed();

private:
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    QWidget* window_;
    QPointer<pantnew> dialog_; // made afresh by each New
};

} // namespace stores
