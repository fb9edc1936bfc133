#pragma once

#include "data/FileResult.h"
#include "data/Records.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace data {
template<class T> class RecordFile;
}

// Coupon values of Shopping List items, and erasing the prices of all products.
namespace catalogue {

inline const QString kPriceBackup = QStringLiteral("justincase.sav");

// The coupon value of an item, or 0 when it has none (blank, zero bytes, 0 or less).
double couponValue(const data::ShoppingItemRecord& item);
// What the coupon box shows for an item: its coupon with two decimals, empty without one.
QString couponBoxText(const data::ShoppingItemRecord& item);
// The coupon box after the user leaves it: a number is shown with two decimals and no
// thousands separator (1234.5 → "1234.50"), so that the stored value reads back as the same
// number; anything else empties the box. Blank stays empty.
QString normalizedCouponText(const QString& typed);

// One line per item with a coupon, in file order: the item as stored (40 characters), two
// blanks, the coupon with "###.00", a line break. Empty when no item has a coupon.
QString couponListText(const std::vector<data::ShoppingItemRecord>& items);

// The product file's bytes with every whole record's price set to blanks; all other bytes,
// a partial record at the end included, stay as they were.
QByteArray withoutPrices(const QByteArray& productFileBytes);
// Copies the open product file, byte for byte, to the backup justincase.sav.
data::FileResult backUpPrices(const data::RecordFile<data::ProductRecord>& products);
// Erases the price of every product, rewriting the file in one safe step.
data::FileResult stripPrices(data::RecordFile<data::ProductRecord>& products);

} // namespace catalogue
