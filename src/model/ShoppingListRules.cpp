#include "model/ShoppingListRules.h"

#include "data/Numbers.h"
#include "model/StoreFiles.h"

#include <QCoreApplication>
#include <algorithm>

namespace model {

using data::ShoppingItemRecord;

ShoppingListView buildShoppingList(const std::vector<ShoppingItemRecord>& records, ListOrder order)
{
    ShoppingListView view;
    view.rows.reserve(records.size());
    double total = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        const ShoppingItemRecord& r = records[i];
        ShoppingRow row;
        row.record = int(i) + 1;
        row.item = r.get(ShoppingItemRecord::item);
        row.category = r.get(ShoppingItemRecord::category);
        // A quantity never written (blank or zero bytes) shows as the single item it stands for,
        // not as "() ".
        const QString quantity = r.text(ShoppingItemRecord::quantity);
        row.prefix = quantity.isEmpty() || data::parseLenient(quantity) == 1 ? QStringLiteral("     ")
                                                                             : QStringLiteral("(%1) ").arg(quantity);
        // A coupon of 0 or less is no coupon: it neither shows nor changes the cost.
        const double coupon = std::max(data::parseLenient(r.get(ShoppingItemRecord::coupon)), 0.0);
        if (coupon > 0) {
            row.couponText = QStringLiteral("%1 (coupon %2)")
                                 .arg(data::trimBlanks(row.item), data::formatPattern(coupon, u"###.00"));
            view.couponTotal += coupon;
        }
        const double cost = data::parseLenient(r.get(ShoppingItemRecord::price)) - coupon;
        row.costText = data::formatPattern(cost, u"###.00");
        // The total adds up the costs as the rows show them.
        total += data::parseLenient(row.costText);
        view.rows.push_back(std::move(row));
    }
    if (!records.empty())
        view.totalText = data::formatPattern(total, u"###.00");

    if (order == ListOrder::ByCategory)
        std::stable_sort(view.rows.begin(), view.rows.end(),
                         [](const ShoppingRow& a, const ShoppingRow& b) { return a.category < b.category; });
    else
        std::stable_sort(view.rows.begin(), view.rows.end(),
                         [](const ShoppingRow& a, const ShoppingRow& b) { return a.item < b.item; });

    for (ShoppingRow& row : view.rows) {
        row.text = row.prefix + (row.couponText.isEmpty() ? data::trimBlanks(row.item) : row.couponText);
        if (order == ListOrder::ByCategory)
            row.text += QStringLiteral("   (%1)").arg(data::trimBlanks(row.category));
    }
    return view;
}

std::optional<std::vector<data::ProductRecord>> productsAt(const data::RecordFile<data::ProductRecord>& file,
                                                           const std::vector<int>& records)
{
    if (file.isReplaced())
        return std::nullopt;
    std::vector<data::ProductRecord> products;
    products.reserve(records.size());
    for (const int record : records) {
        // Read past the end, a record is zero bytes: never a product to take.
        if (record < 1 || record > file.count())
            return std::nullopt;
        products.push_back(file.read(record));
    }
    return products;
}

QString listCaption(const QString& listFile, const QString& totalText)
{
    return QStringLiteral("%1 ($%2)").arg(storeBaseName(listFile), data::trimBlanks(totalText));
}

QString couponSavingsCaption(double couponTotal)
{
    return QCoreApplication::translate("model", "Coupon savings = ") + data::formatPattern(couponTotal, u"$###.00");
}

std::optional<QString> storedQuantity(const QString& typed)
{
    if (!data::isNumber(typed))
        return std::nullopt;
    return data::fitExactText(typed, ShoppingItemRecord::quantity.width);
}

namespace {

const char* const kBadEntry = QT_TRANSLATE_NOOP("model", "Bad entry");

// The price text of an item, or empty with the refusal when it cannot be stored exactly.
std::optional<QString> storedItemPrice(double price, PriceText style, QString* refusal)
{
    const int width = ShoppingItemRecord::price.width;
    const std::optional<QString> text =
        style == PriceText::Plain ? data::fitNumberExactly(price, width)
                                  : data::fitMoneyExactly(data::formatPattern(price, u"###.00"), width, price);
    if (!text && refusal)
        *refusal = data::moneyDoesNotFit(QCoreApplication::translate("model", kBadEntry), price,
                                         QCoreApplication::translate("model", "price"), width);
    return text;
}

// The item for a quantity already in its stored form; empty when the price does not fit.
std::optional<ShoppingItemRecord> itemWithQuantity(const data::ProductRecord& product, const QString& quantity,
                                                   PriceText style, QString* refusal)
{
    const QString price = product.text(data::ProductRecord::price);
    const double unit = data::isNumber(price) ? data::parseLenient(price) : 0;
    const std::optional<QString> priceText = storedItemPrice(unit * data::parseLenient(quantity), style, refusal);
    if (!priceText)
        return std::nullopt;
    ShoppingItemRecord item;
    item.set(ShoppingItemRecord::item, product.get(data::ProductRecord::item));
    item.set(ShoppingItemRecord::quantity, quantity);
    item.set(ShoppingItemRecord::price, *priceText);
    item.set(ShoppingItemRecord::category, product.get(data::ProductRecord::category));
    return item;
}

std::optional<QString> quantityOrRefusal(const QString& typed, QString* refusal)
{
    std::optional<QString> quantity = storedQuantity(typed);
    if (!quantity && refusal)
        *refusal = kBadEntry;
    return quantity;
}

} // namespace

std::optional<ShoppingItemRecord> shoppingItemFor(const data::ProductRecord& product, const QString& typedQuantity,
                                                  PriceText style, QString* refusal)
{
    const std::optional<QString> quantity = quantityOrRefusal(typedQuantity, refusal);
    if (!quantity)
        return std::nullopt;
    return itemWithQuantity(product, *quantity, style, refusal);
}

std::optional<ShoppingItemRecord> withQuantity(const ShoppingItemRecord& item, const QString& typedQuantity,
                                               QString* refusal)
{
    const std::optional<QString> quantity = quantityOrRefusal(typedQuantity, refusal);
    if (!quantity)
        return std::nullopt;
    const QString oldQuantity = item.text(ShoppingItemRecord::quantity);
    const double price = data::parseLenient(item.get(ShoppingItemRecord::price));
    const double old = data::isNumber(oldQuantity) ? data::parseLenient(oldQuantity) : 0;
    const double unit = old != 0 ? price / old : price;
    const std::optional<QString> priceText =
        storedItemPrice(unit * data::parseLenient(*quantity), PriceText::Plain, refusal);
    if (!priceText)
        return std::nullopt;
    ShoppingItemRecord changed = item;
    changed.set(ShoppingItemRecord::quantity, *quantity);
    changed.set(ShoppingItemRecord::price, *priceText);
    return changed;
}

bool changeQuantity(ShoppingItemRecord& item, const QString& quantity, QString* refusal)
{
    std::optional<ShoppingItemRecord> changed = withQuantity(item, quantity, refusal);
    if (!changed)
        return false;
    item = *changed;
    return true;
}

} // namespace model
