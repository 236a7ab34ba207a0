#include "NumberText.h"

#include <gtest/gtest.h>

TEST(NumberText, FormatGFollowsPrintfGeneralNotation) {
    EXPECT_EQ(formatG(1e6), "1e+06");
    EXPECT_EQ(formatG(0.000012345, 10), "1.2345e-05");
    EXPECT_EQ(formatG(-9999), "-9999");
    EXPECT_EQ(formatG(2.5), "2.5");
    EXPECT_EQ(formatG(0.1 + 0.2, 7), "0.3");
}

TEST(NumberText, General15UsesFixedFormBetweenLimitsAndExponentOutside) {
    EXPECT_EQ(formatGeneral15(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatGeneral15(-12.5), "-12.5");
    EXPECT_EQ(formatGeneral15(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatGeneral15(1e20), "1E20");
    EXPECT_EQ(formatGeneral15(0.00001), "0.00001");
    EXPECT_EQ(formatGeneral15(1.5e-7), "1.5E-7");
    EXPECT_EQ(formatGeneral15(0.0), "0");
}

TEST(NumberText, StrictConversionsRejectTrailingGarbage) {
    double d = 0;
    EXPECT_TRUE(tryParseDouble(" 12.5 ", d));
    EXPECT_DOUBLE_EQ(d, 12.5);
    EXPECT_TRUE(tryParseDouble("+3e2", d));
    EXPECT_DOUBLE_EQ(d, 300);
    EXPECT_FALSE(tryParseDouble("12.5x", d));
    EXPECT_FALSE(tryParseDouble("", d));
    EXPECT_FALSE(tryParseDouble("1 2", d));
    int i = 0;
    EXPECT_TRUE(tryParseInt("42", i));
    EXPECT_EQ(i, 42);
    EXPECT_FALSE(tryParseInt("4.2", i));
    EXPECT_FALSE(tryParseInt("abc", i));
    EXPECT_THROW(parseDouble("abc"), ConversionError);
    EXPECT_THROW(parseInt("12a"), ConversionError);
    try {
        parseDouble("x1");
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'x1' is not a valid floating point value");
    }
}

TEST(NumberText, LeadingNumberTakesThePrefixOrZero) {
    EXPECT_DOUBLE_EQ(leadingNumber("-9999"), -9999);
    EXPECT_DOUBLE_EQ(leadingNumber("  -1.5abc"), -1.5);
    EXPECT_DOUBLE_EQ(leadingNumber("abc"), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("7e1 m")), 70.0);
}

TEST(NumberText, LeadingNumberTakesNanAndInfinityTextAsNoNumber) {
    for (const char* text : {"nan", "NaN", "-nan", "+NAN", "nan(123)", "inf", "-Inf", "+INF",
                             "infinity", " -Infinity", "INFx"})
        EXPECT_EQ(leadingNumber(text), 0.0) << text;
    EXPECT_EQ(leadingNumber(QStringLiteral("inf")), 0.0);
    EXPECT_EQ(leadingNumber("1e999"), 0.0);  // out of range: no number either
    EXPECT_EQ(leadingNumber("12nan"), 12.0);
}
