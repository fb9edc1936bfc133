#include "CategoryRules.h"

#include "data/FileOps.h"
#include "model/SharedState.h"

#include <algorithm>
#include <cstdint>

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

// Rewrites the file whole, in one atomic step, when any of its records is renamed; a
// partial record at the end is carried over as it is.
template<class T, class Rename> data::FileResult rewriteRenamed(data::RecordFile<T>& file, Rename rename)
{
    data::FileBytes content = data::readFileBytes(file.name());
    if (!content.result)
        return content.result;
    std::vector<T> records = data::recordsFromBytes<T>(content.bytes);
    if (rename(records).empty())
        return data::FileResult::success();
    const QByteArray renamed = data::bytesFromRecords(records);
    content.bytes.replace(0, renamed.size(), renamed);
    return file.replaceAllBytes(content.bytes);
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
    const data::FileResult itemsWritten = rewriteRenamed(state.items, [&](std::vector<ShoppingItemRecord>& items) {
        return renameCategoryInItems(items, oldName, newName);
    });
    if (!itemsWritten)
        return itemsWritten;
    return rewriteRenamed(state.products, [&](std::vector<ProductRecord>& products) {
        return renameCategoryInProducts(products, oldName, newName);
    });
}

} // namespace catalogue
