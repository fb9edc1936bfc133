#pragma once

#include "model/ListViews.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class pantrix1;
}
namespace ui {
class Desktop;
class Dialogs;
class Printer;
} // namespace ui
namespace model {
struct SharedState;
}
namespace catalogue {
class CatalogueCommands;
class CategoryCommands;
class MergeCommands;
class TextExport;
} // namespace catalogue
namespace help {
class HelpCommands;
}
namespace print {
class PrintCommands;
}
namespace shoplog {
class LogCommands;
}
namespace customlists {
class CustomListCommands;
}
namespace stores {
class StoreCommands;
}
namespace data {
struct FileResult;
}

namespace app {

class DataFileWatcher;
class RecentStores;
class ProductListPanel;
class ShoppingListPanel;

// The main window: the Product List on the left, the Shopping List on the right, the
// commands around them. It owns the start-up and the shut-down of the program, and it is
// the one place that decides which commands are available.
class pantrix1 : public QMainWindow, public model::ListViews
{
    Q_OBJECT

public:
    pantrix1(model::SharedState& state, ui::Dialogs& dialogs, ui::Printer& printer, ui::Desktop& desktop,
             QWidget* parent = nullptr);
    ~pantrix1() override;

    // Opens the current store's files and builds the views; the window should be showing.
    void Load();
    // Acts on what secondary windows left in the shared state. Runs when the window is
    // activated and when a secondary window closes (no window manager is needed for it).
    void HandleActivation();
    // Ends the program, first offering to eliminate an empty store. Returns false when the
    // user cancelled and the program goes on.
    bool Quit();
    // Opens the named list file as the current store, with the checks and messages of
    // File > Open; a file that cannot be opened leaves the current store in use.
    // Returns whether it became current.
    bool openStore(const QString& listFile);

    // Derives the product file from the list file, opens and counts it; a store whose own
    // product file is empty uses grocery.dat.
    void SelectProductFile();
    // Looks for the product file's merge file: Import is enabled when it holds products,
    // an empty one is removed.
    void ProbeMergeFile();

    // The lists, as every command sees them.
    void RebuildProductList() override;
    void RebuildCategories() override;
    void RebuildShoppingList() override;
    void clearProductList() override;
    void reloadViews() override;
    // Sets every command's enabled and checked state from the current state.
    void updateActions() override;
    std::vector<int> shownProductRecords() const override;
    std::vector<int> selectedProductRecords() const override;
    int currentProductRecord() const override;
    int currentItemRecord() const override;
    QStringList shoppingRows() const override;
    QString shoppingTotal() const override;
    QStringList categories() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setUpLook();
    void setUpCommands();
    void setUpFileMenu();
    void setUpImportMenu();
    void setUpCustomListMenu();
    void setUpFilterMenu();
    void setUpLogMenu();
    void setUpHelpMenu();
    // The commands of the two lists and their panels' buttons.
    void setUpListCommands();
    void setUpSecondaryWindows();
    // The keys of the window's commands, beyond the menus' access keys.
    void setUpKeys();
    // The toolbar's buttons in their groups; what does not fit goes behind its arrow.
    void setUpToolBar();
    // The lists and buttons scroll inside a window smaller than they need (a small screen, a
    // large font or scale), so that every control can still be reached.
    void setUpScrolling();
    // Window place, toolbar, Shopping List order and recent stores from the user's settings;
    // without saved ones the first size fits the screen.
    void restoreSettings();
    void rememberSettings();
    void setUpRecentStores();
    // A recent store whose file is gone is taken off the list with a word to the user.
    void openRecentStore(const QString& path);
    // Makes the chosen list file the current store.
    void switchStore(const QString& listFile);
    // After pantnew made a new store current: the views are rebuilt from its files.
    void reloadStore();
    // Shows a file-system failure, or keeps it for one box at the end of the start-up.
    void report(const data::FileResult& result);

    std::unique_ptr<Ui::pantrix1> form_;
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    ui::Printer& printer_;
    ui::Desktop& desktop_;
    ProductListPanel* products_;
    ShoppingListPanel* shopping_;
    catalogue::CatalogueCommands* catalogue_ = nullptr;
    catalogue::CategoryCommands* categories_ = nullptr;
    catalogue::MergeCommands* merge_ = nullptr;
    catalogue::TextExport* textExport_ = nullptr;
    customlists::CustomListCommands* customLists_ = nullptr;
    stores::StoreCommands* stores_ = nullptr;
    help::HelpCommands* help_ = nullptr;
    print::PrintCommands* print_ = nullptr;
    shoplog::LogCommands* log_ = nullptr;
    DataFileWatcher* watcher_ = nullptr;
    RecentStores* recent_ = nullptr;
    QStringList* startupErrors_ = nullptr; // set while Load collects failures
    bool quitting_ = false;
};

} // namespace app
