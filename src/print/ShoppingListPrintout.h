#pragma once

#include "PrintSettingsRules.h"
#include "data/Records.h"
#include "ui/PrintDocument.h"

#include <QDate>
#include <QStringList>

#include <vector>

namespace print {

class UnitPrices;

inline const QString kItemFont = QStringLiteral("Times New Roman");
// Printed in Liberation Serif Bold where "Playbill" is not installed.
inline const QString kFooterFont = QStringLiteral("Playbill");

// Everything the Shopping List printout is made of, read when the user prints.
struct ShoppingPrintout
{
    PrintChoices choices;
    std::vector<data::ShoppingItemRecord> items; // the list file, in record order
    std::vector<int> rows;                       // record numbers (from 1) of the rows as shown
    QString totalText;                           // the Shopping List's total as shown
    bool notes = false;                          // print the notes block
    QStringList noteLines;                       // the notes as broken into lines
    QStringList comments;                        // the three comment lines as typed
    QDate date;
};

// The printout in the layout the choices name: the list's own order ("Sort alphabetically")
// with a category column, or grouped under the categories sorted by character code; then
// the date and total, the notes, the comments and the footer. prices is only asked when
// unit prices are chosen.
ui::PrintDocument buildShoppingListPrintout(const ShoppingPrintout& in, const UnitPrices& prices);

// The width, in characters, of the box the notes are broken to for the printout.
inline constexpr int kNoteColumns = 52;

} // namespace print
