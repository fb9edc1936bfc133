#pragma once

#include "model/ListViews.h"

// The main window's lists as a command sees them, for testing a command on its own.
class FakeListViews : public model::ListViews
{
public:
    void RebuildProductList() override { ++rebuilds; }
    void RebuildCategories() override { ++rebuilds; }
    void RebuildShoppingList() override { ++rebuilds; }
    void clearProductList() override { ++rebuilds; }
    void reloadViews() override { ++rebuilds; }
    void updateActions() override {}
    std::vector<int> shownProductRecords() const override { return shown; }
    std::vector<int> selectedProductRecords() const override { return {}; }
    int currentProductRecord() const override { return 0; }
    int currentItemRecord() const override { return 0; }
    QStringList shoppingRows() const override { return rows; }
    QString shoppingTotal() const override { return total; }
    QStringList categories() const override { return {"All"}; }

    std::vector<int> shown;
    QStringList rows;
    QString total;
    int rebuilds = 0;
};
