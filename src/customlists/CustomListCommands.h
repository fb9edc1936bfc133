#pragma once

#include "data/FileResult.h"
#include "data/RecordFile.h"
#include "data/Records.h"

#include <QObject>

#include <optional>
#include <vector>

class QWidget;

namespace model {
class ListViews;
struct SharedState;
enum class PickerMode;
enum class CustomListCommand;
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
    CustomListCommands(model::SharedState& state, ui::Dialogs& dialogs, model::ListViews& views, CustomListPanel& panel,
                       QWidget* window);
    ~CustomListCommands() override;

    // The main window's activation: the menu window goes and the command it left in
    // ListChoiceCode runs (once).
    void activated();
    // Shows the Custom Lists menu window under the given button.
    void openMenu(QWidget* button);
    bool menuShowing() const;
    // Runs the command the menu window chose.
    void run(model::CustomListCommand command);

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

signals:
    // The main window should run its activation handling now (the menu window made a
    // choice or went away), also where no window manager activates it.
    void activationWanted();

private:
    void hideMenu();
    void menuChosen(model::CustomListCommand command);
    void startPicker(model::PickerMode mode);
    void listPicked();
    void proceed();
    void addPicked();
    void deletePicked();
    void removeProceed();
    void getProceed();
    // Opens pantrecp.dat afresh (creating it) and reads all its records. A file that cannot
    // be read at all is told once and gives nothing: the command stops there. One that can
    // be read but not written is read; the write that needs it tells.
    std::optional<std::vector<data::CustomListRecord>> readFile();
    // The products of the selected Product List rows; when any is gone from the product
    // file the views are rebuilt, the user is told, and nothing is given.
    std::optional<std::vector<data::ProductRecord>> chosenProducts(const std::vector<int>& records);
    std::vector<data::ShoppingItemRecord> shoppingItems() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    model::ListViews& views_;
    CustomListPanel* panel_;
    QWidget* window_;
    pantcust* menu_;
    bool menuHadFocus_ = false; // the menu window was active since it was opened
    data::RecordFile<data::CustomListRecord> file_;
};

} // namespace customlists
