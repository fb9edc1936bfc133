#pragma once

#include <QObject>
#include <QPointer>

namespace app {
class pantrix1;
}
namespace model {
struct SharedState;
}
namespace ui {
class Dialogs;
}

namespace stores {

class pantnew;

// Opening another store through the file chooser, creating one through the pantnew
// dialog, and the reload of the main window after a new store was made current.
class StoreCommands : public QObject
{
    Q_OBJECT

public:
    StoreCommands(app::pantrix1& window, model::SharedState& state, ui::Dialogs& dialogs);
    ~StoreCommands() override;

    // "Open...": the chosen .lst file becomes the current store.
    void Open();
    // "New...": the new-store dialog, made afresh.
    void New();
    // The main window's activation after pantnew made a store current: the views are
    // rebuilt from the new store's files.
    void reloadStore();

signals:
    // Another store is about to become current; the custom list views make way.
    void storeSwitching();

private:
    app::pantrix1& window_;
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    QPointer<pantnew> dialog_; // made afresh by each New
};

} // namespace stores
