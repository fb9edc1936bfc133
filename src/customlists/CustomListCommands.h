#pragma once

#include "data/FileResult.h"
#include "data/RecordFile.h"
#include "data/Records.h"

#include <QObject>

#include <vector>

namespace app {
class pantrix1;
}
namespace model {
struct SharedState;
enum class PickerMode;
} // namespace model
namespace ui {
class Dialogs;
}

namespace customlists {

class CustomListPanel;
class pantcust;

// The custom list commands of the main window, from the "Custom lists" menu and the Custom
// Lists menu window: CREATE, ADD, REMOVE, PREVIEW, GET, DELETE and SAVE, and the refresh
// of prices and categories (Update, F12). Each command reads pantrecp.dat afresh.
class CustomListCommands : public QObject
{
    Q_OBJECT

public:
    CustomListCommands(app::pantrix1& window, model::SharedState& state, ui::Dialogs& dialogs);
    ~CustomListCommands() override;

    // The main window's activation: the menu window goes, the command it left in
    // ListChoiceCode runs (once) and the Custom button is enabled again.
    void activated();
    // Back to the Shopping List from any custom list view.
    void leaveViews();
    // Runs the command of a ListChoiceCode: 1 CREATE .. 7 SAVE; 0 does nothing.
    void run(int code);

    void Create();
    void Add();
    void Remove();
    void Preview();
    void Get();
    void Delete();
    void Save();
    // Asks, backs pantrecp.dat up to PantClean.bak and refreshes every list's prices and
    // categories from the current product file.
    void Refresh();

    CustomListPanel& panel() { return *panel_; }
    pantcust& menu() { return *menu_; }

private:
    void openMenu();
    void hideMenu();
    void menuChosen(int code);
    void startPicker(model::PickerMode mode);
    void listPicked();
    void proceed();
    void addPicked();
    void deletePicked();
    void removeProceed();
    void getProceed();
    // Opens pantrecp.dat afresh (creating it) and reads all its records.
    std::vector<data::CustomListRecord> readFile();
    std::vector<data::ShoppingItemRecord> shoppingItems() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    app::pantrix1& window_;
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    CustomListPanel* panel_;
    pantcust* menu_;
    bool menuHadFocus_ = false; // the menu window was active since it was opened
    data::RecordFile<data::CustomListRecord> file_;
};

} // namespace customlists
