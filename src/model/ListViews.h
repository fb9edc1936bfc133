#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace model {

// What feature commands may ask of the main window's two lists: rebuild them from their
// files, and which records the user has picked. Commands get this, never the window.
class ListViews
{
public:
    virtual ~ListViews() = default;

    virtual void RebuildProductList() = 0;
    virtual void RebuildCategories() = 0;
    virtual void RebuildShoppingList() = 0;
    // Empties the Product List view (its file holds no products any more).
    virtual void clearProductList() = 0;
    // After the files changed on disk behind the program (another program shortened or
    // replaced them): reopens what was replaced and rebuilds the views that no longer show
    // their files.
    virtual void reloadViews() = 0;
    // Re-reads which commands are available now (after a command changed the files).
    virtual void updateActions() = 0;

    // Record numbers (from 1) of the products the Product List shows, in its order.
    virtual std::vector<int> shownProductRecords() const = 0;
    // Record numbers (from 1) of the selected products, in row order.
    virtual std::vector<int> selectedProductRecords() const = 0;
    // Record number of the Product List's current row, or 0 when there is none.
    virtual int currentProductRecord() const = 0;
    // Record number of the Shopping List's current row, or 0 when there is none.
    virtual int currentItemRecord() const = 0;
    // The Shopping List's rows as shown, in the order shown, and its total text.
    virtual QStringList shoppingRows() const = 0;
    virtual QString shoppingTotal() const = 0;
    // The category box's entries as shown, "All" first.
    virtual QStringList categories() const = 0;
};

} // namespace model
