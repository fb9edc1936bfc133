#pragma once

#include "SharedState.h"
#include "data/Records.h"

#include <QString>

#include <vector>

namespace model {

// One row of the Shopping List view.
struct ShoppingRow
{
    int record = 0;     // record number in the list file, from 1
    QString item;       // item, untrimmed (the alphabetical sort key)
    QString category;   // category, untrimmed (the category sort key)
    QString prefix;     // "(2) " or five blanks
    QString couponText; // "Milk (coupon .50)" or empty
    QString costText;   // price less coupon, "###.00"
    QString text;       // what the row shows
};

// The Shopping List as shown: rows in display order and the totals of the captions.
struct ShoppingListView
{
    std::vector<ShoppingRow> rows;
    QString totalText; // running total of the row costs, "###.00"; empty for an empty list
    double couponTotal = 0;
};

// Builds the rows from the list file's records in file order, sorted by item or by category (both untrimmed, by
// character code); equal keys keep the order of adding.
ShoppingListView buildShoppingList(const std::vector<data::ShoppingItemRecord>& records, ListOrder order);

// "grocery ($12.34)": the list's base name and the trimmed total.
QString listCaption(const QString& listFile, const QString& totalText);
// "Coupon savings = $1.50".
QString couponSavingsCaption(double couponTotal);

// The item Add appends for a product: the quantity as typed, the extended price (the
// product's price times the quantity, 0 when the product has no price) as plain number
// text, the product's name and category; coupon and spare stay unwritten.
data::ShoppingItemRecord makeShoppingItem(const data::ProductRecord& product, const QString& quantity);

// Changes an item's quantity and rescales its price. The unit price is the price divided
// by the old quantity; when the old quantity is 0, blank or not a number the stored price
// is taken as the unit price instead of dividing by zero.
void changeQuantity(data::ShoppingItemRecord& item, const QString& quantity);

} // namespace model
