#pragma once

#include "model/ShoppingListRules.h"

#include <QStringListModel>
#include <QWidget>

#include <memory>

namespace Ui {
class ShoppingListPanel;
}
namespace ui {
class Dialogs;
}
namespace model {
struct SharedState;
}
namespace customlists {
class CustomListPanel;
}

namespace app {

class ProductListPanel;

// The right half of the main window: the Shopping List with its total, coupon button,
// order options and the Add, Change, Remove and Clear commands; the custom list views
// take the list's place when a custom list command shows them.
class ShoppingListPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ShoppingListPanel(QWidget* parent = nullptr);
    ~ShoppingListPanel() override;
    // What the panel works with; called once, before any other call.
    void setUp(model::SharedState& state, ui::Dialogs& dialogs, ProductListPanel& products);

    // Re-reads the list file and refills the list, the total, the caption and the coupon button.
    void RebuildShoppingList();
    // Refills the list, the total, the caption and the coupon button from rows already built
    // from the list file (the start builds them while the products load).
    void showList(model::ShoppingListView view);
    // Shows the empty list without touching the file.
    void showEmpty();
    // Sets the order and its option without rebuilding the list (before the list is read).
    void restoreOrder(model::ListOrder order);
    // After another store was opened: opens ListFile as the shopping list and shows it (an
    // empty list is shown empty without touching the file).
    void OpenListFile();
    // After the list file changed on disk: shows it again when the rows no longer show it.
    // Returns whether they changed.
    bool refreshFromDisk();
    // Shows the caption above the list.
    void showCaption(const QString& caption);

    // Add (the button and F2); the shared state's add mode says whether it asks a quantity
    // first or changes the current item instead.
    void Add();
    void Remove();
    void Clear();

    const model::ShoppingListView& view() const { return view_; }
    // The selected row, or -1.
    int selectedRow() const;
    // The current row's record number in the list file, or 0.
    int currentRecord() const;
    // The rows as shown and the total.
    QStringList rows() const;
    QString totalText() const;
    QWidget* listView() const;
    customlists::CustomListPanel& customLists() const;

signals:
    // Right button over an item: the coupon panel opens for it.
    void couponRequested(int record);
    // The coupon savings button: list every coupon.
    void couponListRequested();
    // A click on a row: the coupon panel goes.
    void rowClicked();
    void changed();
    // Products Add was to take are gone from the product file: every view is to be
    // rebuilt from the files.
    void productsVanished();

private:
    // Return, the menu key, Shift+F10 and Ctrl+C on the list, and products dropped on it.
    void setUpKeysAndDrops();
    // A double-click on an item (or Return): change its quantity and name.
    void changeCurrent();
    void Change();
    void showRow();
    void setOrder(model::ListOrder order);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void rightClicked();
    // Makes the row current and the only one selected.
    void selectRow(int row);
    // Asks until the answer is a quantity or empty; empty means the user gave up.
    QString askQuantity(const QString& prompt, const QString& defaultAnswer);
    // Whether the row's record is still in the file; rebuilds the list when it is not.
    bool rowStillInFile(int row);

    std::unique_ptr<Ui::ShoppingListPanel> form_;
    model::SharedState* state_ = nullptr;
    ui::Dialogs* dialogs_ = nullptr;
    ProductListPanel* products_ = nullptr;
    model::ShoppingListView view_;
    // The rows' texts as the list shows them: one string each, no item objects.
    QStringListModel texts_;
};

} // namespace app
