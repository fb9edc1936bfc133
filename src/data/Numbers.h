#pragma once

#include <QString>

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
// non-negative number, "-" otherwise, no leading zero, up to 15 significant digits.
// 4.98 → " 4.98", 0.5 → " .5", 4/3 → " 1.33333333333333", -2 → "-2".
QString plainNumber(double value);

} // namespace data
