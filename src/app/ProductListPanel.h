#pragma once

#include "ProductListModel.h"
#include "model/ProductCatalogue.h"

#include <QWidget>

class QAbstractItemView;
class QAction;

#include <memory>
#include <vector>

namespace Ui {
class ProductListPanel;
}
namespace ui {
class Dialogs;
}
namespace model {
struct SharedState;
}

namespace app {

// The commands whose buttons stand on the panel; the main window connects them.
struct ProductListActions
{
    QAction* newProduct;
    QAction* editProduct;
    QAction* deleteProduct;
    QAction* all;
    QAction* renameCategory;
    QAction* categoriesToText;
    QAction* printProducts;
};

// The left half of the main window: the Product List, its category box, the quick search,
// the diet filters, the labels under the list and the buttons of the catalogue commands
// (the main window binds those to its actions).
class ProductListPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ProductListPanel(QWidget* parent = nullptr);
    ~ProductListPanel() override;
    // The state and the boxes the panel works with; called once, before any other call.
    void setUp(model::SharedState& state, ui::Dialogs& dialogs);
    // The Lo-Fat and Lo-Carb buttons stand for these (the Filters menu's) actions.
    void bindDietFilters(QAction* loFat, QAction* loCarb);

    ProductListActions actions() const;

    // Re-reads the product file and refills the list, its caption and labels.
    void RebuildProductList();
    // Refills the category box and selects an entry without applying it. Re-reads the product
    // file unless told that the list was rebuilt from it just before.
    void RebuildCategories(bool reread = true);
    // Empties the list, as after deleting the last product or opening another store.
    void clearList();
    // After the product file changed on disk: rebuilds the list and the category box when
    // they no longer show the file (the selection stays when they do). Returns whether it
    // rebuilt them.
    bool refreshFromDisk();

    int rowCount() const { return model_.rowCount(); }
    // The current row, or -1.
    int currentRow() const;
    int categoryRow() const;
    // Record numbers of the selected rows, in row order.
    std::vector<int> selectedRecords() const;
    int recordAt(int row) const { return model_.recordAt(row); }
    QAbstractItemView* listView() const;
    QWidget* categoryBox() const;
    // The category box's entries as shown.
    QStringList categories() const;

    // The List1 click handling: price, category and selection labels.
    void showSelection();
    // Shows "All": the whole list, first row current.
    void showAll();

signals:
    // A double-click on a product: add it with a quantity.
    void addWithQuantityRequested();
    // What is shown changed in a way that may change which commands are available.
    void changed();

private:
    // The keyboard's ways to the mouse's commands, Ctrl+F and Ctrl+C.
    void setUpKeys();
    void showCaption(int rows);
    void categoryClicked();
    model::ProductFilter filter() const;
    void searchChanged();
    void enterPrice();
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<Ui::ProductListPanel> form_;
    model::SharedState* state_ = nullptr;
    ui::Dialogs* dialogs_ = nullptr;
    model::ProductCatalogue catalogue_;
    ProductListModel model_;
    bool rebuildingCategories_ = false;
};

} // namespace app
