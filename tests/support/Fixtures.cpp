#include "Fixtures.h"

using namespace data;

ProductRecord product(const QString& item, const QString& price, const QString& category, bool fat, bool carb)
{
    ProductRecord r;
    r.set(ProductRecord::item, item);
    r.set(ProductRecord::price, price);
    r.set(ProductRecord::fat, fat ? QStringLiteral("1") : QStringLiteral(" "));
    r.set(ProductRecord::carb, carb ? QStringLiteral("1") : QStringLiteral(" "));
    r.set(ProductRecord::category, category);
    return r;
}

ShoppingItemRecord listItem(const QString& item, const QString& price, const QString& quantity, const QString& category,
                            std::optional<QString> coupon)
{
    ShoppingItemRecord r;
    r.set(ShoppingItemRecord::item, item);
    r.set(ShoppingItemRecord::price, price);
    r.set(ShoppingItemRecord::quantity, quantity);
    r.set(ShoppingItemRecord::category, category);
    if (coupon)
        r.set(ShoppingItemRecord::coupon, *coupon);
    return r;
}

CustomListRecord customRecord(const QString& list, const QString& item, const QString& price, const QString& category)
{
    CustomListRecord r;
    r.set(CustomListRecord::list, list);
    r.set(CustomListRecord::item, item);
    r.set(CustomListRecord::price, price);
    r.set(CustomListRecord::category, category);
    return r;
}

LogRecord logEntry(const QString& date, const QString& coupons, const QString& total, const QString& list,
                   const QString& comment)
{
    LogRecord r;
    r.set(LogRecord::entrydate, date);
    r.set(LogRecord::coupons, coupons);
    r.set(LogRecord::total, total);
    r.set(LogRecord::comment, comment);
    r.set(LogRecord::listname, list);
    return r;
}
