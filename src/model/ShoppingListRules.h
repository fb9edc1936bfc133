#pragma once

#include "SharedState.h"
#include "data/RecordFile.h"
#include "data/Records.h"

#include <QString>

#include <optional>
#include <vector>

namespace model {

// One row of the Shopping List view.
struct ShoppingRow
{
    int record = 0;     // record number in the list file, from 1
    QString item;       // item, untrimmed (the alphabetical sort key)
    QString category;   // category, untrimmed (the category sort key)
    QString prefix;     // "(2) ", or five blanks for a quantity of 1 or none written
    QString couponText; // "Milk (coupon .50)" or empty
    QString costText;   // price less coupon, "###.00"
    QString text;       // what the row shows

    bool operator==(const ShoppingRow&) const = default;
};

// The Shopping List as shown: rows in display order and the totals of the captions.
struct ShoppingListView
{
    std::vector<ShoppingRow> rows;
    QString totalText; // running total of the row costs, "###.00"; empty for an empty list
    double couponTotal = 0;

    bool operator==(const ShoppingListView&) const = default;
};

// Builds the rows from the list file's records in file order, sorted by item or by category (both untrimmed, by
// character code); equal keys keep the order of adding.
ShoppingListView buildShoppingList(const std::vector<data::ShoppingItemRecord>& records, ListOrder order);

// Told instead of writing when products a command was to take are no longer in the product
// file; the views have been rebuilt from the files by then.
inline const char* const kProductsReloaded =
    QT_TRANSLATE_NOOP("model", "The Product List changed on disk; it has been reloaded.");

// The products at these record numbers, in the order given. Empty when any of them is no
// longer there (another program shortened the file since the rows were built) or the file
// was replaced behind the program: nothing is then built from what rows no longer show.
std::optional<std::vector<data::ProductRecord>> productsAt(const data::RecordFile<data::ProductRecord>& file,
                                                           const std::vector<int>& records);

// "grocery ($12.34)": the list's base name and the trimmed total.
QString listCaption(const QString& listFile, const QString& totalText);
// "Coupon savings = $1.50".
QString couponSavingsCaption(double couponTotal);

// How an item's price text is written: the general number conversion (Add, " 4.98") or
// the money pattern "###.00" (the product editor's "add to the list now", "4.98").
enum class PriceText { Plain, Money };

// The quantity as it goes into the 3-character field: as typed when it fits, else without
// its blanks, else in its shortest form ("0.75" → ".75"). Empty when the answer is no
// number or cannot be written in 3 characters ("1.25"): the window says "Bad entry" and
// asks again.
std::optional<QString> storedQuantity(const QString& typed);

// The item Add appends for a product: the quantity as storedQuantity keeps it, the extended
// price (the product's stored price times the stored quantity, 0 when the product has no
// price) fitted to its field without changing it by a cent, the product's name and
// category; coupon and spare stay unwritten. Empty when the quantity is refused ("Bad
// entry") or the extended price cannot be stored exactly (a message that gives the largest
// price that fits); refusal, when given, receives that text for the window to show before
// it asks again.
std::optional<data::ShoppingItemRecord> shoppingItemFor(const data::ProductRecord& product,
                                                        const QString& typedQuantity,
                                                        PriceText style = PriceText::Plain, QString* refusal = nullptr);

// The item with a new quantity and its price rescaled. The unit price is the stored price
// divided by the stored quantity; when that quantity is 0, blank or not a number the stored
// price is taken as the unit price instead of dividing by zero. Empty, with refusal as
// above, when the quantity is refused or the new price cannot be stored exactly.
std::optional<data::ShoppingItemRecord> withQuantity(const data::ShoppingItemRecord& item, const QString& typedQuantity,
                                                     QString* refusal = nullptr);
// withQuantity in place; false, and the item unchanged, when it was refused.
bool changeQuantity(data::ShoppingItemRecord& item, const QString& quantity, QString* refusal = nullptr);

} // namespace model
