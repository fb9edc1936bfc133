#pragma once

#include "data/FileResult.h"
#include "data/Records.h"

#include <QByteArray>
#include <QString>

#include <optional>
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
// thousands separator, without the zeros the 6-character field has no room for (1234.5 →
// "1234.5"), so that what the box shows is what is stored. A number below zero or one the
// field cannot hold exactly (99999.99) stays as typed, for OK to refuse; anything else
// empties the box. Blank stays empty.
QString normalizedCouponText(const QString& typed);
// What OK writes into the coupon field for the box's text: trimmed, fitted without changing
// its value, never cut; blank for an empty box. Empty (no value) when the text is no
// number, below zero, or cannot be stored exactly.
std::optional<QString> storedCouponText(const QString& boxText);
// Why storedCouponText refuses the text, or empty when it does not: "Bad entry" for no
// number or one below zero; for one that does not fit, "Bad entry" and the largest coupon
// that fits.
QString couponProblem(const QString& boxText);

// One line per item with a coupon, in file order: the item as stored (40 characters, zero
// bytes shown as blanks), two
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
