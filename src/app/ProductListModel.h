#pragma once

#include "model/ProductCatalogue.h"

#include <QAbstractListModel>

class QMimeData;

#include <vector>

namespace app {

// What products dragged out of the Product List carry besides their names as text: the mark
// that the Shopping List takes them as an Add of the selected products. It holds the
// program's process id: products dragged from another running copy are not this one's.
inline constexpr char kProductDragFormat[] = "application/x-pantrix-products";
// Whether the drag carries products from this program's Product List.
bool carriesOwnProducts(const QMimeData* mime);

// The rows of the Product List: each shows one product's trimmed name. Rows are indices
// into the catalogue, so a rebuild swaps a vector of ints and nothing is copied.
class ProductListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ProductListModel(const model::ProductCatalogue& catalogue, QObject* parent = nullptr);

    // Replaces all rows at once.
    void setRows(std::vector<int> rows);
    // Empties the view, as when the product file holds no products.
    void clear() { setRows({}); }
    const std::vector<int>& rows() const { return rows_; }
    // The same rows show names the catalogue has re-read.
    void namesChanged();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Products can be dragged (onto the Shopping List, or as text anywhere else).
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

    // The row's record number in the product file.
    int recordAt(int row) const { return catalogue_.entry(rows_[size_t(row)]).record; }

private:
    const model::ProductCatalogue& catalogue_;
    std::vector<int> rows_;
};

} // namespace app
