#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Product lists kept as readable text, one product a line.
namespace catalogue {

struct ProductText
{
    QByteArray records; // whole product records, in the order of the lines
    int line = 0;       // the first line in error, counted from 1; 0 when there is none
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Reads lines "name|category|fat|carb", fat and carb being "1" (marked) or "0"; blank lines
// and lines starting with "#" are skipped. Each product is built as the product editor saves
// it, without a price. The first line that breaks a rule is refused, and no records are
// given: fewer or more than four fields; a name or category that is empty, too long for
// its field, not in the code page, or not written as CapitalizeWords would store it; a
// category without a leading aisle number ("02.00 Dairy"); a mark other than 0 or 1; a
// name that an earlier line already has, ignoring case.
ProductText productsFromText(QStringView text);

} // namespace catalogue
