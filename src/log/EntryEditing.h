#pragma once

#include "data/Records.h"

#include <QString>

#include <optional>

namespace shoplog {

// The editor's boxes, as text.
struct EntryFields
{
    QString entrydate, coupons, total, comment, listname;
};

// What the editor shows for an entry: the texts trimmed, the money as "####.00".
EntryFields fieldsOf(const data::LogRecord& entry);

// The check on leaving a money box: the number as "####.00" (3 → "3.00", 0.5 → ".50"),
// or nullopt when the text is not a number.
std::optional<QString> checkedMoney(const QString& text);
// The check on leaving the date box: capitals, nothing else.
QString checkedDate(const QString& text);

// The entry the boxes describe, built afresh (the spare bytes are zero). Money too large
// for its field is rounded to fit; nullopt when even that cannot make it fit.
std::optional<data::LogRecord> entryFrom(const EntryFields& fields);

} // namespace shoplog
