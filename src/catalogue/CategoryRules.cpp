#include "CategoryRules.h"

#include "data/FileOps.h"
#include "model/SharedState.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace catalogue {

using data::ProductRecord;
using data::ShoppingItemRecord;

namespace {

template<class T, class Same>
std::vector<size_t> renameWhere(std::vector<T>& records, const QString& newName, Same same)
{
    std::vector<size_t> changed;
    for (size_t i = 0; i < records.size(); ++i) {
        if (same(records[i].text(T::category))) {
            records[i].set(T::category, newName);
            changed.push_back(i);
        }
    }
    return changed;
}

// The file's bytes with the renamed records in place, or empty when no record is renamed; a
// partial record at the end is carried over as it is.
struct Renamed
{
    data::FileResult read;
    std::optional<QByteArray> bytes;
};

template<class T, class Rename> Renamed renamedBytes(const data::RecordFile<T>& file, Rename rename)
{
    data::FileBytes content = data::readFileBytes(file.name());
    if (!content.result)
        return {content.result, std::nullopt};
    std::vector<T> records = data::recordsFromBytes<T>(content.bytes);
    if (rename(records).empty())
        return {};
    const QByteArray renamed = data::bytesFromRecords(records);
    content.bytes.replace(0, renamed.size(), renamed);
    return {{}, content.bytes};
}

} // namespace

std::vector<size_t> renameCategoryInItems(std::vector<ShoppingItemRecord>& items, const QString& oldName,
                                          const QString& newName)
{
    const QString key = oldName.toUpper();
    return renameWhere(items, newName, [&key](const QString& category) { return category.toUpper() == key; });
}

std::vector<size_t> renameCategoryInProducts(std::vector<ProductRecord>& products, const QString& oldName,
                                             const QString& newName)
{
    return renameWhere(products, newName, [&oldName](const QString& category) { return category == oldName; });
}

data::FileResult renameCategory(model::SharedState& state, const QString& oldName, const QString& newName)
{
    const Renamed items = renamedBytes(state.items, [&](std::vector<ShoppingItemRecord>& records) {
        return renameCategoryInItems(records, oldName, newName);
    });
    if (!items.read)
        return items.read;
    const Renamed products = renamedBytes(state.products, [&](std::vector<ProductRecord>& records) {
        return renameCategoryInProducts(records, oldName, newName);
    });
    if (!products.read)
        return products.read;
    // Both files change together, or neither does: the two lists always agree.
    if (items.bytes && products.bytes)
        return data::RecordFileBase::replaceTogether(state.items, *items.bytes, state.products, *products.bytes);
    if (items.bytes)
        return state.items.replaceAllBytes(*items.bytes);
    if (products.bytes)
        return state.products.replaceAllBytes(*products.bytes);
    return data::FileResult::success();
}

} // namespace catalogue
