#include "EntryEditing.h"

#include "LogRules.h"
#include "data/FixedField.h"
#include "data/Numbers.h"

namespace shoplog {

using data::LogRecord;

namespace {

const QString kMoney = QStringLiteral("####.00");

// A field as a box shows it: a field never written is empty, not a row of zero bytes.
QString shown(const LogRecord& entry, data::FixedField f)
{
    return data::isBlankOrUnwritten(entry.get(f)) ? QString() : entry.text(f);
}

} // namespace

EntryFields fieldsOf(const LogRecord& entry)
{
    EntryFields f;
    f.listname = shown(entry, LogRecord::listname);
    f.entrydate = shown(entry, LogRecord::entrydate);
    f.total = data::formatMoneyText(shown(entry, LogRecord::total), kMoney);
    f.coupons = data::formatMoneyText(shown(entry, LogRecord::coupons), kMoney);
    f.comment = shown(entry, LogRecord::comment);
    return f;
}

std::optional<QString> checkedMoney(const QString& text)
{
    if (!data::isNumber(text))
        return std::nullopt;
    return data::formatPattern(data::parseLenient(text), kMoney);
}

QString checkedDate(const QString& text)
{
    return text.toUpper();
}

std::optional<LogRecord> entryFrom(const EntryFields& fields)
{
    const auto total = fitMoney(fields.total, LogRecord::total.width);
    const auto coupons = fitMoney(data::trimBlanks(fields.coupons), LogRecord::coupons.width);
    if (!total || !coupons)
        return std::nullopt;
    LogRecord entry;
    entry.set(LogRecord::entrydate, fields.entrydate);
    entry.set(LogRecord::total, *total);
    entry.set(LogRecord::coupons, *coupons);
    entry.set(LogRecord::comment, data::trimBlanks(fields.comment));
    entry.set(LogRecord::listname, data::trimBlanks(fields.listname));
    return entry;
}

} // namespace shoplog
