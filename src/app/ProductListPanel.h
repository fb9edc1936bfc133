#pragma once

#include "ProductListModel.h"
#include "model/ProductCatalogue.h"

#include <QObject>

#include <vector>

namespace Ui {
class pantrix1;
}
namespace ui {
class Dialogs;
}

namespace model {
struct SharedState;
}

namespace app {

// The left half of the main window: the Product List, its category box, the quick search,
// the diet filters and the labels under the list.
class ProductListPanel : public QObject
{
    Q_OBJECT

public:
    ProductListPanel(Ui::pantrix1& form, model::SharedState& state, ui::Dialogs& dialogs, QObject* parent = nullptr);

    // Re-reads the product file and refills the list, its caption, labels and buttons.
    void RebuildProductList();
    // Refills the category box and selects an entry without applying it.
    void RebuildCategories();
    // Empties the list, as after deleting the last product or opening another store.
    void clearList();

    int rowCount() const { return model_.rowCount(); }
    // The current row, or -1.
    int currentRow() const;
    // Record numbers of the selected rows, in row order.
    std::vector<int> selectedRecords() const;
    int recordAt(int row) const { return model_.recordAt(row); }
    const ProductListModel& model() const { return model_; }

    // The List1 click handling: price, category and selection labels.
    void showSelection();
    // Toggles a diet filter as its menu item and toggle button both do.
    void toggleLoFat();
    void toggleLoCarb();

signals:
    // A double-click on a product: add it with a quantity.
    void addWithQuantityRequested();

private:
    void categoryClicked();
    void allClicked();
    void searchChanged();
    void enterPrice();
    void showFilterMarks();
    bool eventFilter(QObject* watched, QEvent* event) override;

    Ui::pantrix1& form_;
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    model::ProductCatalogue catalogue_;
    ProductListModel model_;
    bool rebuildingCategories_ = false;
};

} // namespace app
