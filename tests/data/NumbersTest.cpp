#include "data/Numbers.h"
#include "data/Cp1252.h"
#include "support/Fixtures.h"

using namespace data;

TEST(Fields, EveryByteSurvivesAndFieldsArePaddedCutAndNeverShifted)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);

    // One byte per character, whatever the character.
    const std::pair<QString, QByteArray> cases[] = {
        {QStringLiteral("Café"), QByteArray("Caf\xE9")},
        {QStringLiteral("€5 – “Bio”"), QByteArray("\x80"
                                                  "5 \x96 \x93"
                                                  "Bio\x94")},
        {QStringLiteral("Żurek"), QByteArray("Zurek")}, // base letter of a missing accent
        {QStringLiteral("Łosoś"), QByteArray("?osos")}, // Ł has no base letter
        {QStringLiteral("Tofu 豆腐"), QByteArray("Tofu ??")},
        {QStringLiteral("Pie 🥧!"), QByteArray("Pie ?!")}, // a surrogate pair is one character
    };
    for (const auto& [text, bytes] : cases)
        EXPECT_EQ(cp1252::encode(text), bytes) << text.toStdString();

    ProductRecord r;
    r.set(ProductRecord::item, QStringLiteral("Crème fraîche 200 g and a name far longer than forty"));
    r.set(ProductRecord::price, QStringLiteral(".49"));
    r.set(ProductRecord::category, QStringLiteral("Dairy"));

    const QByteArray bytes(r.bytes.data(), ProductRecord::Length);
    EXPECT_EQ(bytes.left(40), QByteArray("Cr\xE8me fra\xEE"
                                         "che 200 g and a name far longe"));
    EXPECT_EQ(bytes.mid(40, 6), QByteArray(".49   "));
    EXPECT_EQ(bytes.mid(46, 75), QByteArray(75, '\0')); // fat, carb, spare1, spare2 never written
    EXPECT_EQ(bytes.mid(121), QByteArray("Dairy") + QByteArray(20, ' '));

    EXPECT_EQ(r.get(ProductRecord::fat), QString(1, QChar(0)));
    EXPECT_EQ(r.text(ProductRecord::fat), "") << "zero bytes are fill, not text";
    EXPECT_EQ(r.shown(ProductRecord::spare1), QString(30, ' '));
    EXPECT_TRUE(isBlankOrUnwritten(r.get(ProductRecord::spare1)));

    // A character outside the code page is one byte too, so later fields stay in place.
    ShoppingItemRecord item;
    item.set(ShoppingItemRecord::item, QStringLiteral("Pie 🥧 with ✓ mark"));
    item.set(ShoppingItemRecord::price, QStringLiteral(" 4.98"));
    EXPECT_EQ(item.get(ShoppingItemRecord::item).left(17), QStringLiteral("Pie ? with ? mark"));
    EXPECT_EQ(item.get(ShoppingItemRecord::price), QStringLiteral(" 4.98 "));
}

TEST(Numbers, LenientParseAndWhatCountsAsANumber)
{
    const std::pair<QString, double> cases[] = {
        {QStringLiteral("  2.49"), 2.49},
        {QStringLiteral(".50"), 0.5},
        {QStringLiteral("      "), 0},
        {QString(6, QChar(0)), 0},
        {QString(), 0},
        {QStringLiteral(" 4.98 "), 4.98},
        {QStringLiteral("3 kg"), 3},
        {QStringLiteral("1 2"), 12},
        {QStringLiteral("-.5"), -0.5},
        {QStringLiteral("1,234"), 1},
        {QStringLiteral("2.5.1"), 2.5},
        {QStringLiteral("1e2"), 100},
        {QStringLiteral("abc"), 0},
        {QStringLiteral("7e"), 7},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(parseLenient(text), value) << text.toStdString();
    // Where a number is required, only a whole one counts.
    for (const char* yes : {"2", "2.5", ".5", "-1", "+3", " 12.00 ", "1e3", "4."})
        EXPECT_TRUE(isNumber(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"", " ", ".", "abc", "1,5", "$2", "1.2.3", "2 5", "-", "1e", "e5", "0x10", "inf", "nan"})
        EXPECT_FALSE(isNumber(QString::fromLatin1(no))) << no;
}

TEST(Numbers, MoneyPatternsAndThePlainNumberOfTheOldListFiles)
{
    const std::tuple<double, QString, QString> cases[] = {
        {0.49, "###.00", ".49"},   {12, "###.00", "12.00"},       {0, "###.00", ".00"},
        {2.5, "###.00", "2.50"},   {1234.5, "###.00", "1234.50"}, {2.675, "###.00", "2.68"},
        {-0.5, "###.00", "-.50"},  {4.984, "####.00", "4.98"},    {99999.999, "#####.00", "100000.00"},
        {0.5, "$###.00", "$.50"},  {3, "0#.00", "03.00"},         {2.1, "0#.00", "02.10"},
        {12.25, "0#.00", "12.25"}, {0.25, "0#.00", "00.25"},      {123, "0#.00", "123.00"},
    };
    for (const auto& [value, pattern, text] : cases)
        EXPECT_EQ(formatPattern(value, pattern), text) << value << " " << pattern.toStdString();
    // A text is formatted only when it is a number.
    EXPECT_EQ(formatMoneyText(QStringLiteral("  2.5 ")), QStringLiteral("2.50"));
    EXPECT_EQ(formatMoneyText(QStringLiteral("      ")), QStringLiteral("      "));
    EXPECT_EQ(formatMoneyText(QStringLiteral("n/a")), QStringLiteral("n/a"));

    for (const auto& [value, text] : {std::pair{4.98, " 4.98"}, {0.5, " .5"}, {0, " 0"}, {-2, "-2"}, {-0.25, "-.25"}})
        EXPECT_EQ(plainNumber(value), QString::fromLatin1(text)) << value;
    EXPECT_EQ(plainNumber(4.0 / 3).left(6), QStringLiteral(" 1.333"));
    EXPECT_EQ(plainNumber(1e20), QStringLiteral(" 100000000000000000000")) << "never an exponent";
    EXPECT_EQ(plainNumber(0.03 / 700), QStringLiteral(" .0000428571428571429"));
}

TEST(Numbers, NumbersAreFittedNeverCut)
{
    using Fit = std::optional<QString>; // nullopt: refused
    // The text and the width; then as money may fit it, and as an exact number.
    const std::tuple<QString, int, Fit, Fit> cases[] = {{" 4.98", 6, " 4.98", " 4.98"},
                                                        {" 199.98", 6, "199.98", "199.98"},
                                                        {" 123.45", 6, "123.45", "123.45"},
                                                        {"1234.56", 6, "1234.6", std::nullopt},
                                                        {"12345.67", 7, "12345.7", std::nullopt},
                                                        {"99999.99", 6, "100000", std::nullopt},
                                                        {" 74.9925", 6, "74.993", std::nullopt},
                                                        {" .0000428571428571429", 6, ".00004", std::nullopt},
                                                        {"-1234.56", 6, "-1235", std::nullopt},
                                                        {"1234567", 6, std::nullopt, std::nullopt},
                                                        {"0.75", 3, ".8", ".75"},
                                                        {"1.25", 3, "1.3", std::nullopt},
                                                        {"1.50", 3, "1.5", "1.5"},
                                                        {"002", 3, "002", "002"},
                                                        {" 2 ", 3, " 2 ", " 2 "},
                                                        {"1000", 3, std::nullopt, std::nullopt},
                                                        {"0.001", 3, ".00", std::nullopt},
                                                        {"abcdefgh", 6, std::nullopt, std::nullopt}};
    for (const auto& [text, width, money, exact] : cases) {
        EXPECT_EQ(fitMoneyText(text, width), money) << text.toStdString();
        EXPECT_EQ(fitExactText(text, width), exact) << text.toStdString();
    }
    EXPECT_EQ(fitNumber(99.99 * 2, 6), "199.98");
    EXPECT_EQ(fitNumber(1e-9, 6), ".00000");
}
