#include "ProductListModel.h"

#include <QCoreApplication>
#include <QMimeData>

#include <algorithm>

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

bool carriesOwnProducts(const QMimeData* mime)
{
    return mime && mime->data(QString::fromLatin1(kProductDragFormat)) ==
                       QByteArray::number(QCoreApplication::applicationPid());
}

Qt::ItemFlags ProductListModel::flags(const QModelIndex& index) const
{
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsDragEnabled : Qt::NoItemFlags);
}

QStringList ProductListModel::mimeTypes() const
{
    return {QString::fromLatin1(kProductDragFormat), QStringLiteral("text/plain")};
}

QMimeData* ProductListModel::mimeData(const QModelIndexList& indexes) const
{
    QModelIndexList rows = indexes;
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList names;
    for (const QModelIndex& index : rows)
        names.append(data(index).toString());
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(kProductDragFormat), QByteArray::number(QCoreApplication::applicationPid()));
    mime->setText(names.join(u'\n'));
    return mime;
}

} // namespace app
