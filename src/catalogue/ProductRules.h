#pragma once

#include "data/Records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Building products as the product editor saves them.
namespace catalogue {

inline const QString kMiscellaneous = QStringLiteral("Miscellaneous");

// Upper-cases the first character and every character that follows a blank; all other
// characters stay as they are ("green beans 16 oz" → "Green Beans 16 Oz").
QString CapitalizeWords(const QString& text);

// An aisle number as it leads a category: two integer digits and two decimals
// (3 → "03.00", 2.1 → "02.10", 12.25 → "12.25"). Empty when the text is not a number.
QString formatAisle(const QString& text);

// What the editor's boxes hold when a product is saved.
struct EditorFields
{
    QString item;     // the name box
    QString price;    // the price box, as it stands
    QString category; // the category box
    QString aisle;    // the aisle box (add mode only)
    bool fat = false;
    bool carb = false;
};

// The price box's text as the product file keeps it: as it stands when it fits (blank
// included), else without its blanks or its trailing zeros ("1234.50" → "1234.5"). Empty
// when the text is no number or cannot be stored without changing it ("1234.56",
// "12345.67"): the window says why (priceProblem) and keeps the focus there.
std::optional<QString> storedPrice(const QString& boxText);
// Why storedPrice refuses the text, or empty when it does not: "Bad entry." for no number
// (followed by the price with a point where a comma stands for one), and for a number that
// does not fit, "Bad entry." followed by the largest price that does.
QString priceProblem(const QString& boxText);

// The record "Save and return" writes: fields never written stay zero bytes, a blank
// category becomes "Miscellaneous", and an aisle number leads the category of a new product
// when withAisle is set ("01.00 Dairy"), cut to the field's width.
data::ProductRecord buildProduct(const EditorFields& fields, bool withAisle);

// The distinct categories the editor's box offers from the product file's whole records:
// exact comparison (Dairy and dairy are two), blanks left out, sorted by character code.
QStringList editorCategories(const QByteArray& productBytes);

// The Shopping List item for a product the editor has just saved: the quantity as
// model::storedQuantity keeps it and the price times that quantity written with "###.00",
// fitted to its field without changing it. Empty when the quantity is refused or the price
// does not fit: the window shows refusal (model::shoppingItemFor) and asks again.
std::optional<data::ShoppingItemRecord> editorShoppingItem(const data::ProductRecord& product, const QString& quantity,
                                                           QString* refusal = nullptr);

} // namespace catalogue
