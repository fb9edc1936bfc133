#include "data/Numbers.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace data;

TEST(Numbers, LenientParse)
{
    struct Case
    {
        QString text;
        double value;
    } cases[] = {
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
        {QStringLiteral("12.00"), 12},
        {QStringLiteral("abc"), 0},
        {QStringLiteral("7e"), 7},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(parseLenient(c.text), c.value) << c.text.toStdString();
}

TEST(Numbers, WhatCountsAsANumber)
{
    for (const char* yes : {"2", "2.5", ".5", "-1", "+3", " 12.00 ", "1e3", "4."})
        EXPECT_TRUE(isNumber(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"", " ", ".", "abc", "1,5", "$2", "1.2.3", "2 5", "-", "1e", "e5", "0x10", "inf", "nan"})
        EXPECT_FALSE(isNumber(QString::fromLatin1(no))) << no;
}

TEST(Numbers, MoneyPatterns)
{
    struct Case
    {
        double value;
        const char* pattern;
        const char* text;
    } cases[] = {
        {0.49, "###.00", ".49"},   {12, "###.00", "12.00"},       {0, "###.00", ".00"},
        {2.5, "###.00", "2.50"},   {1234.5, "###.00", "1234.50"}, {2.675, "###.00", "2.68"},
        {-0.5, "###.00", "-.50"},  {4.984, "####.00", "4.98"},    {99999.999, "#####.00", "100000.00"},
        {0.5, "$###.00", "$.50"},  {3, "0#.00", "03.00"},         {2.1, "0#.00", "02.10"},
        {12.25, "0#.00", "12.25"}, {0.25, "0#.00", "00.25"},      {123, "0#.00", "123.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatPattern(c.value, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.text))
            << c.value << " " << c.pattern;
}

TEST(Numbers, MoneyTextLeavesNonNumbersAlone)
{
    EXPECT_EQ(formatMoneyText(QStringLiteral("  2.5 ")), QStringLiteral("2.50"));
    EXPECT_EQ(formatMoneyText(QStringLiteral("      ")), QStringLiteral("      "));
    EXPECT_EQ(formatMoneyText(QStringLiteral("n/a")), QStringLiteral("n/a"));
}

TEST(Numbers, PlainNumberOfTheOldListFiles)
{
    EXPECT_EQ(plainNumber(4.98), QStringLiteral(" 4.98"));
    EXPECT_EQ(plainNumber(0.5), QStringLiteral(" .5"));
    EXPECT_EQ(plainNumber(0), QStringLiteral(" 0"));
    EXPECT_EQ(plainNumber(-2), QStringLiteral("-2"));
    EXPECT_EQ(plainNumber(-0.25), QStringLiteral("-.25"));
    EXPECT_EQ(plainNumber(4.0 / 3).left(6), QStringLiteral(" 1.333"));
    EXPECT_EQ(plainNumber(1.5), QStringLiteral(" 1.5"));
    EXPECT_EQ(plainNumber(2.49 * 2), QStringLiteral(" 4.98"));
    EXPECT_EQ(plainNumber(1e20), QStringLiteral(" 100000000000000000000")) << "never an exponent";
    EXPECT_EQ(plainNumber(0.03 / 700), QStringLiteral(" .0000428571428571429"));
}

TEST(Numbers, NumbersAreFittedNeverCut)
{
    struct Case
    {
        const char* text;
        int width;
        const char* money; // fitMoneyText; nullptr = refused
        const char* exact; // fitExactText; nullptr = refused
    } cases[] = {
        {" 4.98", 6, " 4.98", " 4.98"},
        {" 199.98", 6, "199.98", "199.98"},
        {" 123.45", 6, "123.45", "123.45"},
        {"1234.56", 6, "1234.6", nullptr},
        {"12345.67", 7, "12345.7", nullptr},
        {"99999.99", 6, "100000", nullptr},
        {" 74.9925", 6, "74.993", nullptr},
        {" .0000428571428571429", 6, ".00004", nullptr},
        {"-1234.56", 6, "-1235", nullptr},
        {"1234567", 6, nullptr, nullptr},
        {"0.75", 3, ".8", ".75"},
        {"1.25", 3, "1.3", nullptr},
        {"1.50", 3, "1.5", "1.5"},
        {"002", 3, "002", "002"},
        {" 2 ", 3, " 2 ", " 2 "},
        {"1000", 3, nullptr, nullptr},
        {"0.001", 3, ".00", nullptr},
        {"abcdefgh", 6, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        const auto money = fitMoneyText(text, c.width);
        const auto exact = fitExactText(text, c.width);
        EXPECT_EQ(money.has_value(), c.money != nullptr) << c.text;
        EXPECT_EQ(exact.has_value(), c.exact != nullptr) << c.text;
        if (money && c.money) {
            EXPECT_EQ(*money, QString::fromLatin1(c.money)) << c.text;
        }
        if (exact && c.exact) {
            EXPECT_EQ(*exact, QString::fromLatin1(c.exact)) << c.text;
        }
    }
    EXPECT_EQ(fitNumber(99.99 * 2, 6), "199.98");
    EXPECT_EQ(fitNumber(1e-9, 6), ".00000");
}
