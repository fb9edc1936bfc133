#pragma once

#include "data/Records.h"
#include "model/CategoryFilter.h"
#include "ui/PrintDocument.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace print {

// The question asked before the Product List is printed: "Print the Product List?" for all
// categories, otherwise naming the category shown.
QString productListQuestion(const model::CategoryFilter& shown);

// The Product List as shown: a heading (three empty lines, the title with the moment, the
// category, an empty line), then one product per line: name and price, and the category when
// all categories are shown. A page holds 46 products; the heading is repeated on each.
ui::PrintDocument buildProductListPrintout(const std::vector<data::ProductRecord>& products,
                                           const model::CategoryFilter& shown, const QDateTime& now);

// The lines of product text a page holds under its heading.
inline constexpr int kProductsPerPage = 46;

} // namespace print
