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
    EXPECT_EQ(plainNumber(1e20), QStringLiteral(" 1E+20"));
}
