#include "settings/numbertext.h"

#include <gtest/gtest.h>

using namespace kirvano;

TEST(NumberText, ReadsInTheRegionalFormatAndCountsNonNumbersAsZero)
{
    const QLocale c = QLocale::c();
    const QLocale it(QLocale::Italian, QLocale::Italy);
    EXPECT_EQ(textToNumber("12", c), 12);
    EXPECT_EQ(textToNumber(" 15 ", c), 15);
    EXPECT_EQ(textToNumber("1.5", c), 1.5);
    EXPECT_EQ(textToNumber("1,5", it), 1.5);
    EXPECT_EQ(textToNumber("-3", c), -3);
    for (const char *bad : {"", "abc", "12abc", "nan", "inf", "1e999"})
        EXPECT_EQ(textToNumber(QString::fromLatin1(bad), c), 0) << bad;
}

TEST(NumberText, WritesTheShortestGeneralForm)
{
    const QLocale c = QLocale::c();
    const QLocale it(QLocale::Italian, QLocale::Italy);
    EXPECT_EQ(numberToText(3.0, c), "3");
    EXPECT_EQ(numberToText(4.5, c), "4.5");
    EXPECT_EQ(numberToText(4.5, it), "4,5");
    EXPECT_EQ(numberToText(1234567.0, it), "1234567"); // no grouping
    EXPECT_EQ(numberToText(0.1 + 0.2, c), "0.3");      // 15 significant digits
    EXPECT_EQ(numberToText(-0.0, c), "0");
    EXPECT_EQ(numberToText(123456789012345.0, c), "123456789012345");
}

TEST(NumberText, LeadingNumberRule)
{
    struct Case
    {
        const char *text;
        double value;
    } cases[] = {
        {"15", 15},    {"07", 7}, {"5.", 5},  {"3,", 3},      {".5", 0.5},    {"-5", -5},
        {"0", 0},      {"", 0},   {"abc", 0}, {"1 2", 12},    {"\t4\t2", 42}, {"+8", 8},
        {"12abc", 12}, {"-", 0},  {".", 0},   {"1.5.7", 1.5}, {"1e5", 1},     {"9 9", 99},
    };
    for (const Case &c : cases)
        EXPECT_EQ(leadingNumber(QString::fromLatin1(c.text)), c.value) << c.text;
}
