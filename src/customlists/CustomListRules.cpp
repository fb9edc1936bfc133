#include "CustomListRules.h"

#include "data/Cp1252.h"
#include "data/Numbers.h"

#include <QCoreApplication>
#include <algorithm>
#include <unordered_set>

namespace customlists {

using data::CustomListRecord;
using data::ShoppingItemRecord;

namespace {

QString key(const QString& name)
{
    return data::trimBlanks(name).toUpper();
}

// A record rebuilt from its known fields; what lies beyond them is not carried over.
CustomListRecord rebuilt(const CustomListRecord& from)
{
    CustomListRecord r;
    for (data::FixedField f :
         {CustomListRecord::list, CustomListRecord::item, CustomListRecord::price, CustomListRecord::category})
        r.copyField(f, from);
    return r;
}

} // namespace

QString titleCase(QStringView name)
{
    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i)
        out += (i == 0 || name[i - 1] == u' ') ? name[i].toUpper() : name[i].toLower();
    return out;
}

QString storedListName(const QString& typed)
{
    return data::cp1252::decode(data::cp1252::encode(titleCase(typed)).left(CustomListRecord::list.width));
}

bool belongsTo(const CustomListRecord& record, const QString& listName)
{
    return key(record.get(CustomListRecord::list)) == key(listName);
}

bool listExists(const std::vector<CustomListRecord>& records, const QString& typed)
{
    const QString wanted = key(storedListName(typed));
    return std::any_of(records.begin(), records.end(),
                       [&](const CustomListRecord& r) { return key(r.get(CustomListRecord::list)) == wanted; });
}

QStringList pickerNames(const std::vector<CustomListRecord>& records)
{
    QStringList names;
    names.reserve(qsizetype(records.size()));
    for (const CustomListRecord& r : records)
        names.append(r.shown(CustomListRecord::list));
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::vector<ListEntry> listEntries(const std::vector<CustomListRecord>& records, const QString& listName)
{
    const QString wanted = key(listName);
    std::vector<ListEntry> entries;
    for (size_t i = 0; i < records.size(); ++i) {
        if (key(records[i].get(CustomListRecord::list)) == wanted)
            entries.push_back({records[i].shown(CustomListRecord::item), int(i) + 1});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ListEntry& a, const ListEntry& b) { return a.item < b.item; });
    return entries;
}

QStringList previewRows(const std::vector<CustomListRecord>& records, const QString& listName)
{
    QStringList rows{listName, QCoreApplication::translate("customlists", "(CLICK LIST TO CLEAR)"), QString()};
    for (const ListEntry& entry : listEntries(records, listName))
        rows.append(QStringLiteral("  ") + entry.item);
    return rows;
}

CustomListRecord recordFor(const QString& listName, const data::ProductRecord& product)
{
    CustomListRecord r;
    r.set(CustomListRecord::list, listName);
    r.set(CustomListRecord::item, product.get(data::ProductRecord::item));
    r.set(CustomListRecord::price, product.get(data::ProductRecord::price));
    r.set(CustomListRecord::category, product.get(data::ProductRecord::category));
    return r;
}

CustomListRecord recordFor(const QString& listName, const ShoppingItemRecord& item)
{
    CustomListRecord r;
    r.set(CustomListRecord::list, listName);
    r.set(CustomListRecord::item, item.get(ShoppingItemRecord::item));
    r.set(CustomListRecord::price, unitPriceText(item));
    r.set(CustomListRecord::category, item.get(ShoppingItemRecord::category));
    return r;
}

QString unitPriceText(const ShoppingItemRecord& item)
{
    const double price = data::parseLenient(item.get(ShoppingItemRecord::price));
    const QString quantityText = item.text(ShoppingItemRecord::quantity);
    const double quantity = data::isNumber(quantityText) ? data::parseLenient(quantityText) : 0;
    const double unit = quantity != 0 ? price / quantity : price;
    // A unit price too large for the field (only a quantity below 1 can make one) is left
    // blank, no price, rather than written as a wrong number.
    return data::fitNumber(unit, CustomListRecord::price.width).value_or(QString());
}

std::vector<ShoppingItemRecord> itemsToGet(const std::vector<CustomListRecord>& chosen,
                                           const std::vector<ShoppingItemRecord>& onList)
{
    std::unordered_set<QString> names;
    for (const ShoppingItemRecord& item : onList)
        names.insert(item.text(ShoppingItemRecord::item));
    std::vector<ShoppingItemRecord> added;
    for (const CustomListRecord& r : chosen) {
        ShoppingItemRecord item;
        item.set(ShoppingItemRecord::item, r.get(CustomListRecord::item));
        // Compared as the item will read back from the list file.
        if (!names.insert(item.text(ShoppingItemRecord::item)).second)
            continue;
        item.set(ShoppingItemRecord::price, r.get(CustomListRecord::price));
        item.set(ShoppingItemRecord::quantity, u"1");
        item.set(ShoppingItemRecord::category, r.get(CustomListRecord::category));
        added.push_back(item);
    }
    return added;
}

std::vector<CustomListRecord> withoutRecords(const std::vector<CustomListRecord>& records,
                                             const std::vector<int>& recordNumbers)
{
    const std::unordered_set<int> dropped(recordNumbers.begin(), recordNumbers.end());
    std::vector<CustomListRecord> kept;
    kept.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        if (!dropped.contains(int(i) + 1))
            kept.push_back(rebuilt(records[i]));
    }
    return kept;
}

std::vector<CustomListRecord> withoutList(const std::vector<CustomListRecord>& records, const QString& listName)
{
    std::vector<CustomListRecord> kept;
    kept.reserve(records.size());
    for (const CustomListRecord& r : records) {
        if (!belongsTo(r, listName))
            kept.push_back(rebuilt(r));
    }
    return kept;
}

} // namespace customlists
