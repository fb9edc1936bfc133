#include "ProductListModel.h"

namespace app {

using model::ProductCatalogue;

ProductListModel::ProductListModel(const ProductCatalogue& catalogue, QObject* parent)
    : QAbstractListModel(parent)
    , catalogue_(catalogue)
{
}

void ProductListModel::setRows(std::vector<int> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void ProductListModel::namesChanged()
{
    if (!rows_.empty())
        emit dataChanged(index(0), index(int(rows_.size()) - 1));
}

int ProductListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant ProductListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return catalogue_.name(rows_[size_t(index.row())]);
    return {};
}

} // namespace app
