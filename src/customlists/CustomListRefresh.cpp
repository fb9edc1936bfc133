#include "CustomListRefresh.h"

#include "data/FileOps.h"
#include "data/RecordFile.h"

#include <QCoreApplication>
#include <QHash>

#include <cstring>
#include <utility>

namespace customlists {

using data::CustomListRecord;
using data::ProductRecord;

namespace {
// Copies a field byte for byte between the two layouts (the widths are the same).
void copyAsStored(CustomListRecord& to, data::FixedField toField, const ProductRecord& from, data::FixedField fromField)
{
    std::memcpy(to.bytes.data() + toField.offset, from.bytes.data() + fromField.offset, size_t(toField.width));
}
static_assert(CustomListRecord::price.width == ProductRecord::price.width);
static_assert(CustomListRecord::category.width == ProductRecord::category.width);
} // namespace

int refreshRecords(std::vector<CustomListRecord>& records, const std::vector<ProductRecord>& products)
{
    // One pass over the products instead of one per record. Filled from the last product
    // to the first, so of several products with one name the first stays, as a scan from
    // the top finds it.
    QHash<QString, int> byName;
    byName.reserve(qsizetype(products.size()));
    for (size_t p = products.size(); p-- > 0;)
        byName.insert(products[p].text(ProductRecord::item).toUpper(), int(p));

    int updated = 0;
    for (CustomListRecord& r : records) {
        const auto found = byName.constFind(r.text(CustomListRecord::item).toUpper());
        if (found == byName.constEnd())
            continue;
        const ProductRecord& product = products[size_t(*found)];
        copyAsStored(r, CustomListRecord::price, product, ProductRecord::price);
        copyAsStored(r, CustomListRecord::category, product, ProductRecord::category);
        ++updated;
    }
    return updated;
}

QString refreshMessage(int updated)
{
    return QCoreApplication::translate("customlists", " %1 items scanned and updated.").arg(updated);
}

RefreshOutcome refreshFile(const QString& customFile, const std::vector<ProductRecord>& products)
{
    RefreshOutcome outcome;
    outcome.result = data::copyFile(customFile, kRefreshBackup);
    if (!outcome.result)
        return outcome;
    data::FileBytes file = data::readFileBytes(customFile);
    if (!file.result) {
        outcome.result = file.result;
        return outcome;
    }
    QByteArray bytes = std::move(file.bytes);
    std::vector<CustomListRecord> records = data::recordsFromBytes<CustomListRecord>(bytes);
    outcome.updated = refreshRecords(records, products);
    const QByteArray whole = data::bytesFromRecords(records);
    bytes.replace(0, whole.size(), whole);
    outcome.result = data::replaceFileSafely(customFile, bytes);
    if (!outcome.result)
        outcome.updated = 0;
    return outcome;
}

} // namespace customlists
