#include "ProductRules.h"

#include "data/Numbers.h"
#include "model/ShoppingListRules.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace catalogue {

using data::ProductRecord;
using data::ShoppingItemRecord;

QString CapitalizeWords(const QString& text)
{
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (i == 0 || out[i - 1] == u' ')
            out[i] = out[i].toUpper();
    }
    return out;
}

QString formatAisle(const QString& text)
{
    return data::isNumber(text) ? data::formatPattern(data::parseLenient(text), u"0#.00") : QString();
}

std::optional<QString> storedPrice(const QString& boxText)
{
    if (data::trimBlanks(boxText).isEmpty())
        return boxText.size() <= ProductRecord::price.width ? boxText : QString();
    if (!data::isNumber(boxText))
        return std::nullopt;
    return data::fitMoneyExactly(boxText, ProductRecord::price.width);
}

QString priceProblem(const QString& boxText)
{
    const QString badEntry = QCoreApplication::translate("catalogue", "Bad entry.");
    if (storedPrice(boxText))
        return {};
    if (!data::isNumber(boxText)) {
        // "2,49": a decimal comma, as many keyboards and countries write it; prices take a point.
        QString pointed = boxText;
        pointed.replace(u',', u'.');
        if (boxText.count(u',') == 1 && data::isNumber(pointed))
            return badEntry +
                   QCoreApplication::translate("catalogue", "  Type a point, not a comma, before the cents: %1")
                       .arg(data::trimBlanks(pointed));
        return badEntry;
    }
    return data::moneyDoesNotFit(badEntry, data::parseLenient(boxText),
                                 QCoreApplication::translate("catalogue", "price"), ProductRecord::price.width);
}

ProductRecord buildProduct(const EditorFields& fields, bool withAisle)
{
    ProductRecord record;
    record.set(ProductRecord::item, data::trimBlanks(fields.item));
    // A price that cannot be stored whole is refused by the window first (storedPrice); one
    // that gets here anyway is kept as far as it fits, as before.
    record.set(ProductRecord::price, storedPrice(fields.price).value_or(fields.price));
    record.set(ProductRecord::fat, fields.fat ? QStringLiteral("1") : QStringLiteral(" "));
    record.set(ProductRecord::carb, fields.carb ? QStringLiteral("1") : QStringLiteral(" "));
    const QString category = data::trimBlanks(fields.category);
    const QString aisle = data::trimBlanks(fields.aisle);
    if (category.isEmpty())
        record.set(ProductRecord::category, kMiscellaneous);
    else if (withAisle && !aisle.isEmpty())
        record.set(ProductRecord::category, aisle + u' ' + category);
    else
        record.set(ProductRecord::category, category);
    return record;
}

QStringList editorCategories(const QByteArray& productBytes)
{
    // A product file holds few categories among many products: the stored bytes are told
    // apart first, and only the distinct ones decoded.
    constexpr qsizetype length = ProductRecord::Length;
    std::unordered_set<std::string_view> seenBytes;
    QSet<QString> seen;
    QStringList names;
    for (qsizetype at = 0; at + length <= productBytes.size(); at += length) {
        const auto [from, to] = ProductRecord::category.trimmedBytes(productBytes.constData() + at);
        if (from == to || !seenBytes.emplace(from, size_t(to - from)).second)
            continue;
        const QString category = ProductRecord::category.text(productBytes.constData() + at);
        if (!category.isEmpty() && !seen.contains(category)) {
            seen.insert(category);
            names.append(category);
        }
    }
    // QString compares UTF-16 code units: character code order for code page text.
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<ShoppingItemRecord> editorShoppingItem(const ProductRecord& product, const QString& quantity,
                                                     QString* refusal)
{
    return model::shoppingItemFor(product, quantity, model::PriceText::Money, refusal);
}

} // namespace catalogue
