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
    // One pass over the products instead of one per record, looking each product up among
    // the names the records want (far fewer than the products). The first product of a
    // name is the one taken, as a scan from the top finds it.
    QHash<QString, int> wanted; // name upper-cased -> index into found
    std::vector<int> found;
    std::vector<int> nameOf(records.size(), -1);
    for (size_t r = 0; r < records.size(); ++r) {
        const QString name = records[r].text(CustomListRecord::item).toUpper();
        auto at = wanted.constFind(name);
        if (at == wanted.constEnd()) {
            at = wanted.insert(name, int(found.size()));
            found.push_back(-1);
        }
        nameOf[r] = *at;
    }
    size_t missing = found.size();
    for (size_t p = 0; p < products.size() && missing > 0; ++p) {
        const auto at = wanted.constFind(products[p].text(ProductRecord::item).toUpper());
        if (at != wanted.constEnd() && found[size_t(*at)] < 0) {
            found[size_t(*at)] = int(p);
            --missing;
        }
    }

    int updated = 0;
    for (size_t r = 0; r < records.size(); ++r) {
        const int p = found[size_t(nameOf[r])];
        if (p < 0)
            continue;
        const ProductRecord& product = products[size_t(p)];
        copyAsStored(records[r], CustomListRecord::price, product, ProductRecord::price);
        copyAsStored(records[r], CustomListRecord::category, product, ProductRecord::category);
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
