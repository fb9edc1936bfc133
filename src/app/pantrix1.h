#pragma once

#include "data/FileResult.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class pantrix1;
}
namespace ui {
class Dialogs;
}
namespace customlists {
class CustomListCommands;
}
namespace stores {
class StoreCommands;
}

namespace model {
struct SharedState;
}

namespace app {

class ProductListPanel;
class ShoppingListPanel;

// The main window: the Product List on the left, the Shopping List on the right, the
// commands around them. It owns the start-up and the shut-down of the program.
class pantrix1 : public QMainWindow
{
    Q_OBJECT

public:
    pantrix1(model::SharedState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);
    ~pantrix1() override;

    // Opens the current store's files and builds the views; the window should be showing.
    void Load();
    // Acts on what secondary windows left in the shared state. Runs when the window is
    // activated and when a secondary window closes (no window manager is needed for it).
    void HandleActivation();
    // Ends the program, first offering to eliminate an empty store. Returns false when the
    // user cancelled and the program goes on.
    bool Quit();

    // Derives the product file from the list file, opens and counts it; a store whose own
    // product file is empty uses grocery.dat.
    void SelectProductFile();
    // Looks for the product file's merge file: Import is enabled when it holds products,
    // an empty one is removed.
    void ProbeMergeFile();
    void RebuildProductList();
    void RebuildCategories();
    void RebuildShoppingList();

    Ui::pantrix1& form() { return *form_; }
    ProductListPanel& productList() { return *products_; }
    ShoppingListPanel& shoppingList() { return *shopping_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setUpLook();
    void setUpKeys();

    std::unique_ptr<Ui::pantrix1> form_;
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    ProductListPanel* products_;
    ShoppingListPanel* shopping_;
    customlists::CustomListCommands* customLists_;
    stores::StoreCommands* stores_;
    bool quitting_ = false;
};

} // namespace app
