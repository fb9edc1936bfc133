#include "CouponRules.h"

#include "data/FileOps.h"
#include "data/Numbers.h"
#include "data/RecordFile.h"

#include <QCoreApplication>
#include <cstring>

namespace catalogue {

using data::ProductRecord;
using data::ShoppingItemRecord;

double couponValue(const ShoppingItemRecord& item)
{
    const double value = data::parseLenient(item.get(ShoppingItemRecord::coupon));
    return value > 0 ? value : 0;
}

QString couponBoxText(const ShoppingItemRecord& item)
{
    const double value = couponValue(item);
    return value > 0 ? data::formatPattern(value, u"##.00") : QString();
}

namespace {

// The coupon as the field keeps it, or empty for a coupon below zero or one that cannot be
// stored exactly.
std::optional<QString> fittedCoupon(const QString& number)
{
    if (data::parseLenient(number) < 0)
        return std::nullopt;
    return data::fitMoneyExactly(number, ShoppingItemRecord::coupon.width);
}

} // namespace

QString normalizedCouponText(const QString& typed)
{
    if (!data::isNumber(typed))
        return {};
    const QString twoDecimals = QString::number(data::parseLenient(typed), 'f', 2);
    // A value that cannot be kept stays as typed, so that OK can say why it is refused.
    return fittedCoupon(twoDecimals).value_or(data::trimBlanks(typed));
}

std::optional<QString> storedCouponText(const QString& boxText)
{
    const QString trimmed = data::trimBlanks(boxText);
    if (trimmed.isEmpty())
        return QString();
    if (!data::isNumber(trimmed))
        return std::nullopt;
    return fittedCoupon(trimmed);
}

QString couponProblem(const QString& boxText)
{
    if (storedCouponText(boxText))
        return {};
    const QString trimmed = data::trimBlanks(boxText);
    const QString badEntry = QCoreApplication::translate("catalogue", "Bad entry");
    if (!data::isNumber(trimmed) || data::parseLenient(trimmed) < 0)
        return badEntry;
    return data::moneyDoesNotFit(badEntry, data::parseLenient(trimmed),
                                 QCoreApplication::translate("catalogue", "coupon"), ShoppingItemRecord::coupon.width);
}

QString couponListText(const std::vector<ShoppingItemRecord>& items)
{
    QString text;
    for (const ShoppingItemRecord& item : items) {
        const double value = couponValue(item);
        if (value > 0)
            text += item.shown(ShoppingItemRecord::item) + QStringLiteral("  ") +
                    data::formatPattern(value, u"###.00") + QStringLiteral("\r\n");
    }
    return text;
}

QByteArray withoutPrices(const QByteArray& productFileBytes)
{
    QByteArray bytes = productFileBytes;
    const qsizetype whole = bytes.size() / ProductRecord::Length;
    for (qsizetype i = 0; i < whole; ++i)
        std::memset(bytes.data() + i * ProductRecord::Length + ProductRecord::price.offset, ' ',
                    size_t(ProductRecord::price.width));
    return bytes;
}

data::FileResult backUpPrices(const data::RecordFile<ProductRecord>& products)
{
    return data::copyFile(products.name(), kPriceBackup);
}

data::FileResult stripPrices(data::RecordFile<ProductRecord>& products)
{
    const data::FileBytes file = data::readFileBytes(products.name());
    if (!file.result)
        return file.result;
    return products.replaceAllBytes(withoutPrices(file.bytes));
}

} // namespace catalogue
