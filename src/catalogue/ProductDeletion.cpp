#include "ProductDeletion.h"

#include "model/StoreFiles.h"

#include <cstring>

namespace catalogue {

using data::ProductRecord;

bool isDefaultProductFile(const QString& productFile)
{
    // Compared as files, so the default file reached through a full path counts as well.
    return model::isSameFile(productFile, model::kDefaultProducts);
}

QByteArray keepAfterDeletion(QByteArray products, const std::vector<int>& selected, const ConfirmDeletion& confirm)
{
    constexpr qsizetype length = ProductRecord::Length;
    const qsizetype count = products.size() / length;
    std::vector<bool> isSelected(size_t(count) + 1, false);
    for (int record : selected) {
        if (record >= 1 && record <= count)
            isSelected[size_t(record)] = true;
    }
    char* bytes = products.data();
    qsizetype kept = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const char* record = bytes + i * length;
        if (isSelected[size_t(i) + 1]) {
            if (!confirm)
                continue;
            ProductRecord product;
            std::memcpy(product.bytes.data(), record, length);
            if (confirm(product))
                continue;
        }
        char* place = bytes + kept * length;
        std::memmove(place, record, length);
        ProductRecord::spare1.clear(place);
        ProductRecord::spare2.clear(place);
        ++kept;
    }
    products.truncate(kept * length);
    return products;
}

} // namespace catalogue
