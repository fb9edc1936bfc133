#pragma once

#include <QString>

#include <optional>

// Numbers as the data files hold them: decimal text, always with a full stop.
namespace data {

// The lenient parse every reader uses: blanks are skipped wherever they stand, and reading
// stops at the first character that cannot continue a number. An empty field, one of
// blanks or one of zero bytes yields 0. "  2.49" → 2.49, ".50" → 0.5, "3 kg" → 3.
double parseLenient(QStringView text);

// The test behind every "not a number" refusal. Counted as a number: optional blanks, an
// optional + or -, digits with at most one full stop and at least one digit, an optional
// exponent (e or E, optional sign, digits), optional blanks. So "2", "2.5", ".5", "-1",
// " 12.00 " and "1e3" are numbers; "", ".", "abc", "1,5", "$2", "1.2.3" and "2 5" are not.
bool isNumber(QStringView text);

// Formats with a money pattern: "###.00", "####.00", "#####.00" (two decimals, no leading
// zero: 0.5 → ".50", 12 → "12.00"), "0#.00" (at least two integer digits: 3 → "03.00"),
// a literal prefix such as "$###.00". Never a thousands separator. Halves round away from
// zero on the decimal value (2.675 → "2.68").
QString formatPattern(double value, QStringView pattern);

// "###.00" formatting applied to text: a number is reformatted, anything else is returned
// unchanged (so a blank price stays blank).
QString formatMoneyText(const QString& text, QStringView pattern = u"###.00");

// The general number-to-text conversion of the old list files: a leading blank for a
// non-negative number, "-" otherwise, no leading zero, up to 15 significant digits, never
// an exponent. 4.98 → " 4.98", 0.5 → " .5", 4/3 → " 1.33333333333333", -2 → "-2",
// 0.03/700 → " .0000428571428571429".
QString plainNumber(double value);

// Every number written into a field goes through one of these, so that a number is never
// cut in the middle. A text that fits is kept as it is. Otherwise the blanks around it go
// (" 199.98" → "199.98" in 6), then money is rounded to the decimals that fit
// ("1234.56" → "1234.6" in 6, " 74.9925" → "74.993" in 6). Empty when even the whole
// number does not fit, or when a text too long for the field is no number at all.
std::optional<QString> fitMoneyText(const QString& text, int width);
// The same for a text already rounded from a value: rounding again starts from the value,
// so 2346.7488 written "2346.75" fits 6 as "2346.7", not "2346.8".
std::optional<QString> fitMoneyText(const QString& text, int width, double value);
// plainNumber(value) fitted as money.
std::optional<QString> fitNumber(double value, int width);
// Money the user typed, or computed from what was typed, as it goes into a field: fitted as
// above, but only while the value stays the same to the cent (" 199.98" → "199.98",
// "1234.50" → "1234.5", "6.666667" → "6.6667" in 6). Empty when it would change
// ("1234.56" in 6, "12345.67", "99999.99"): such a value is refused, never rounded.
std::optional<QString> fitMoneyExactly(const QString& text, int width, double value);
std::optional<QString> fitMoneyExactly(const QString& text, int width);
// plainNumber(value) fitted as fitMoneyExactly does.
std::optional<QString> fitNumberExactly(double value, int width);
// The largest amount with cents a field of the width holds: "999.99" for 6 characters.
QString largestMoneyWithCents(int width);
// Why an amount is refused, for the box that refuses it: badEntry (the box's "Bad entry" or
// "Bad entry."), then "2999.97 does not fit the 6 characters a price is stored in.  The
// largest price with cents is 999.99." what names the amount ("price", "coupon").
QString moneyDoesNotFit(const QString& badEntry, double amount, const QString& what, int width);

// For values that must not change, such as quantities: the text as it is, without its blanks,
// or in its shortest plain form ("0.75" → ".75" in 3); never rounded. Empty when none fits.
std::optional<QString> fitExactText(const QString& text, int width);

} // namespace data
