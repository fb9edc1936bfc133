#pragma once

#include "data/Records.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace print {

// The unit price text of each shopping item, found by name in the product file. The index
// is built once per printout; the first product of a name wins, as a scan from record 1
// would find it. Names are compared upper-cased and trimmed of blanks.
class UnitPrices
{
public:
    // productBytes: the whole product file.
    explicit UnitPrices(QByteArray productBytes);

    // " (2.49)" for the item's product, " ()" when its price is blank, empty when no product
    // has the item's name.
    QString textFor(const data::ShoppingItemRecord& item) const;

    // The key an item or product name is found under: its bytes trimmed and upper-cased.
    static QByteArray key(const char* record, data::FixedField field);

private:
    QByteArray products_;
    QHash<QByteArray, qsizetype> offsets_; // key → offset of the first such product
};

} // namespace print
