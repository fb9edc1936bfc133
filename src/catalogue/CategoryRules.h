#pragma once

#include "data/FileResult.h"
#include "data/Records.h"

#include <QString>

#include <vector>

namespace model {
struct SharedState;
}

// Giving a category a new name everywhere it is used.
namespace catalogue {

// Renames the category of every item whose category, trimmed, equals oldName ignoring
// case: items were copied from products at different times, so their case may differ.
// Returns the indices of the changed items.
std::vector<size_t> renameCategoryInItems(std::vector<data::ShoppingItemRecord>& items, const QString& oldName,
                                          const QString& newName);
// Renames the category of every product whose category, trimmed, equals oldName exactly.
// Returns the indices of the changed products.
std::vector<size_t> renameCategoryInProducts(std::vector<data::ProductRecord>& products, const QString& oldName,
                                             const QString& newName);

// Both of the above on the current list file and product file, rewritten whole together:
// both new files are written first, then swapped in, and when the second cannot take its
// place the first is put back, so the two lists always agree. Nothing else in either file
// changes, and a file with nothing to rename is not written. One failure is returned.
data::FileResult renameCategory(model::SharedState& state, const QString& oldName, const QString& newName);

} // namespace catalogue
