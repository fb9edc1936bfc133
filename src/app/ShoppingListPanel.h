#pragma once

#include "data/FileResult.h"
#include "model/ShoppingListRules.h"

#include <QObject>

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

class ProductListPanel;

// The right half of the main window: the Shopping List with its total, coupon button,
// order options and the Add, Change, Remove and Clear commands.
class ShoppingListPanel : public QObject
{
    Q_OBJECT

public:
    ShoppingListPanel(Ui::pantrix1& form, model::SharedState& state, ui::Dialogs& dialogs, ProductListPanel& products,
                      QObject* parent = nullptr);

    // Re-reads the list file and refills the list, the total, the caption and the coupon button.
    void RebuildShoppingList();
    // Shows the empty list without touching the file: buttons off, captions with no total.
    void showEmpty();
    // After another store was opened: opens ListFile as the shopping list, counts it and
    // shows it (an empty list is shown empty without touching the file).
    void OpenListFile();

    // Add (the button and F2); with AddMode "1" it asks a quantity, with "2" it changes.
    void Add();
    void Remove();
    void Clear();

    const model::ShoppingListView& view() const { return view_; }
    // The selected row, or -1.
    int selectedRow() const;
    // The record number of a row of the list as shown.
    int recordAt(int row) const { return view_.rows[size_t(row)].record; }

signals:
    // Right button over an item: the coupon panel opens for it.
    void couponRequested(int record);

private:
    void Change();
    void rowClicked();
    void setOrder(int order);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void rightClicked();
    // Asks until the answer is a number or empty; empty means the user gave up.
    QString askQuantity(const QString& prompt, const QString& defaultAnswer);

    Ui::pantrix1& form_;
    model::SharedState& state_;
    ui::Dialogs& dialogs_;
    ProductListPanel& products_;
    model::ShoppingListView view_;
};

} // namespace app
