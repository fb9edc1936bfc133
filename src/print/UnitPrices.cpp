#include "UnitPrices.h"

#include "data/Cp1252.h"
#include "data/Numbers.h"

namespace print {

using data::ProductRecord;

UnitPrices::UnitPrices(QByteArray productBytes)
    : products_(std::move(productBytes))
{
    const qsizetype count = products_.size() / ProductRecord::Length;
    offsets_.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype offset = i * ProductRecord::Length;
        // A later product of the same name never replaces the first.
        QByteArray name = key(products_.constData() + offset, ProductRecord::item);
        if (!offsets_.contains(name))
            offsets_.insert(std::move(name), offset);
    }
}

QByteArray UnitPrices::key(const char* record, data::FixedField field)
{
    const auto [begin, end] = field.trimmedBytes(record);
    const auto& upper = data::cp1252::upperCaseBytes();
    QByteArray k(end - begin, Qt::Uninitialized);
    for (qsizetype i = 0; i < k.size(); ++i)
        k[i] = upper[static_cast<unsigned char>(begin[i])];
    return k;
}

QString UnitPrices::textFor(const data::ShoppingItemRecord& item) const
{
    const auto found = offsets_.constFind(key(item.bytes.data(), data::ShoppingItemRecord::item));
    if (found == offsets_.cend())
        return {};
    const QString price = ProductRecord::price.read(products_.constData() + *found);
    const QString shown = data::isBlankOrUnwritten(price) ? QString() : data::trimBlanks(data::formatMoneyText(price));
    return QStringLiteral(" (") + shown + QLatin1Char(')');
}

} // namespace print
