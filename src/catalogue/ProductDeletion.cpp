#include "ProductDeletion.h"

#include "app/StoreFiles.h"

#include <QFileInfo>

namespace catalogue {

using data::ProductRecord;

bool isDefaultProductFile(const QString& productFile)
{
    // Compared as files, so the default file reached through a full path counts as well.
    return QFileInfo(productFile)
               .absoluteFilePath()
               .compare(QFileInfo(app::kDefaultProducts).absoluteFilePath(), Qt::CaseInsensitive) == 0;
}

std::vector<ProductRecord> keepAfterDeletion(const std::vector<ProductRecord>& products,
                                             const std::vector<int>& selected, const ConfirmDeletion& confirm)
{
    std::vector<bool> isSelected(products.size() + 1, false);
    for (int record : selected) {
        if (record >= 1 && size_t(record) <= products.size())
            isSelected[size_t(record)] = true;
    }
    std::vector<ProductRecord> kept;
    kept.reserve(products.size());
    for (size_t i = 0; i < products.size(); ++i) {
        const ProductRecord& product = products[i];
        if (isSelected[i + 1] && (!confirm || confirm(product)))
            continue;
        ProductRecord fresh;
        for (data::FixedField field : {ProductRecord::item, ProductRecord::price, ProductRecord::fat,
                                       ProductRecord::carb, ProductRecord::category})
            fresh.copyField(field, product);
        kept.push_back(fresh);
    }
    return kept;
}

} // namespace catalogue
