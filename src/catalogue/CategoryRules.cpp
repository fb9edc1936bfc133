#include "CategoryRules.h"

#include "model/SharedState.h"

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

template<class T>
data::FileResult writeChanged(data::RecordFile<T>& file, const std::vector<T>& records,
                              const std::vector<size_t>& changed)
{
    for (size_t i : changed) {
        const data::FileResult written = file.write(int(i) + 1, records[i]);
        if (!written)
            return written;
    }
    return data::FileResult::success();
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
    std::vector<ShoppingItemRecord> items = state.items.readAll();
    const data::FileResult itemsWritten =
        writeChanged(state.items, items, renameCategoryInItems(items, oldName, newName));
    if (!itemsWritten)
        return itemsWritten;
    std::vector<ProductRecord> products = state.products.readAll();
    return writeChanged(state.products, products, renameCategoryInProducts(products, oldName, newName));
}

} // namespace catalogue
