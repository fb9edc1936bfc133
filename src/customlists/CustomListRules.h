#pragma once

#include "data/Records.h"

#include <QString>
#include <QStringList>

#include <vector>

// The custom lists kept in pantrecp.dat: every record whose list name matches (trimmed,
// case ignored) belongs to that list; there is no header record and file order means nothing.
namespace customlists {

inline const QString kCustomListFile = QStringLiteral("pantrecp.dat");
inline const QString kDeleteBackup = QStringLiteral("pantrecp.bak");

// The first character upper-cased, every later one upper-cased after a blank and
// lower-cased otherwise; leading blanks stay. "bbq PARTY mix" → "Bbq Party Mix".
QString titleCase(QStringView name);
// The name a list gets on file, as it reads back: title-cased, through the code page
// ("Łódź party" → "?ódz Party") and cut to the width of its field.
QString storedListName(const QString& typed);

// Whether the record belongs to the named list (both trimmed of blanks, case ignored).
bool belongsTo(const data::CustomListRecord& record, const QString& listName);
// Whether a list of the typed name is on file. The name is compared as it would be
// stored (storedListName), so neither a name longer than the field nor one with characters
// the code page lacks can slip into a list it would be stored as.
bool listExists(const std::vector<data::CustomListRecord>& records, const QString& typed);

// The picker's names: every record's list field as stored (zero bytes shown as blanks),
// sorted by character code, each name once.
QStringList pickerNames(const std::vector<data::CustomListRecord>& records);

// One row of the item list: the product name as stored and its record number (from 1).
struct ListEntry
{
    QString item;
    int record = 0;
};
// The products of the named list sorted by name, by character code; equal names keep
// their file order.
std::vector<ListEntry> listEntries(const std::vector<data::CustomListRecord>& records, const QString& listName);
// The preview of the named list: the name, the hint to clear, a blank row, then the
// product names in order, each led by two blanks.
QStringList previewRows(const std::vector<data::CustomListRecord>& records, const QString& listName);

// A record for a product put on a list (CREATE and ADD).
data::CustomListRecord recordFor(const QString& listName, const data::ProductRecord& product);
// A record for a Shopping List item put on a list (SAVE), with the unit price.
data::CustomListRecord recordFor(const QString& listName, const data::ShoppingItemRecord& item);
// The unit price SAVE stores: the extended price divided by the quantity as plain number
// text fitted to the field without an exponent and without cutting a number
// (4/3 → " 1.333", .03/700 → ".00004", 1234.56 → "1234.6"). With a quantity that is zero,
// blank or not a number the extended price is taken as it is. A unit price too large for
// the field is left blank.
QString unitPriceText(const data::ShoppingItemRecord& item);

// The Shopping List items GET adds for the chosen records, in their order: an item whose
// trimmed name is already on the list (exactly, case counts), or was added earlier in the
// same step, is skipped. New items have quantity 1, the stored price and no coupon.
std::vector<data::ShoppingItemRecord> itemsToGet(const std::vector<data::CustomListRecord>& chosen,
                                                 const std::vector<data::ShoppingItemRecord>& onList);

// The file without the given record numbers (REMOVE), or without the named list (DELETE).
// The others keep their order; their unused tails are written as zero bytes.
std::vector<data::CustomListRecord> withoutRecords(const std::vector<data::CustomListRecord>& records,
                                                   const std::vector<int>& recordNumbers);
std::vector<data::CustomListRecord> withoutList(const std::vector<data::CustomListRecord>& records,
                                                const QString& listName);

} // namespace customlists
