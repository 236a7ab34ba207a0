#include "NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "CommaDecimalLocale.h"

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

namespace {

std::string printfG(const char* format, double value) {
    char buffer[512];
    const int n = std::snprintf(buffer, sizeof buffer, format, value);
    return std::string(buffer, static_cast<std::size_t>(n));
}

// Values that exercise rounding at every precision, both notations and their borders.
std::vector<double> awkwardValues() {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  -3.5,
                                  -9999.0,
                                  0.1 + 0.2,
                                  1e-5,
                                  9.9999995e-5,
                                  0.0001,
                                  999999.5,
                                  9999995.0,
                                  123456789012345678.0,
                                  1e15,
                                  1e16,
                                  1e21,
                                  1e300,
                                  1.7976931348623157e308,
                                  2.2250738585072014e-308,
                                  4.9406564584124654e-324,
                                  1.2345e-310,
                                  -1.234568e7,
                                  0.5,
                                  2.5,
                                  1.25,
                                  0.125,
                                  std::nextafter(1.0, 2.0),
                                  std::nextafter(1.0, 0.0)};
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-320, 308);
    for (int i = 0; i < 4000; ++i)
        values.push_back(std::ldexp(mantissa(random), exponent(random) / 3) *
                         std::pow(10.0, exponent(random) % 20));
    for (int i = 0; i < 2000; ++i) {
        std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) values.push_back(value);
    }
    return values;
}

}  // namespace

TEST(NumberText, FormatGEqualsPrintfInTheCLocaleForEveryPrecision) {
    for (const double value : awkwardValues()) {
        for (const int precision : {1, 2, 6, 7, 8, 15, 17}) {
            const std::string format = "%." + std::to_string(precision) + "g";
            ASSERT_EQ(formatG(value, precision), printfG(format.c_str(), value))
                << precision << " " << printfG("%.17g", value);
        }
    }
    EXPECT_EQ(formatG(-0.0), "-0");
    EXPECT_EQ(formatG(4.9406564584124654e-324), "4.94066e-324");
    EXPECT_EQ(formatG(1e300, 15), "1e+300");
}

TEST(NumberText, General15KeepsItsFormsAtTheBorders) {
    EXPECT_EQ(formatGeneral15(-0.0), "0");
    EXPECT_EQ(formatGeneral15(999999999999999.0), "999999999999999");
    EXPECT_EQ(formatGeneral15(9999999999999999.0), "1E16");
    EXPECT_EQ(formatGeneral15(4.9406564584124654e-324), "4.94065645841247E-324");
    EXPECT_EQ(formatGeneral15(-1.234567890123456e-6), "-1.23456789012346E-6");
}

TEST(NumberText, TextsKeepTheDotUnderACommaDecimalLocale) {
    CommaDecimalLocale german;
    SKIP_WITHOUT_COMMA_LOCALE(german);
    ASSERT_EQ(printfG("%g", -3.5), "-3,5");  // the locale is really in effect
    for (const double value : awkwardValues()) {
        // from_chars reports subnormal numbers, and 15-digit roundings beyond the largest
        // double, as out of range.
        if (value != 0 && (std::fabs(value) < 2.2250738585072014e-308 || std::fabs(value) > 1e308))
            continue;
        double back = 0;
        ASSERT_TRUE(tryParseDouble(formatG(value, 17), back));
        ASSERT_EQ(back, value);
        double rounded = 0;
        ASSERT_TRUE(tryParseDouble(formatG(value, 15), rounded));
        ASSERT_EQ(parseDouble(formatGeneral15(value)), rounded) << formatG(value, 17);
    }
    EXPECT_EQ(formatG(-3.5), "-3.5");
    EXPECT_EQ(formatG(-9999), "-9999");
    EXPECT_EQ(formatGeneral15(-12.25), "-12.25");
    EXPECT_EQ(formatGeneral15(1.5e-7), "1.5E-7");
    EXPECT_DOUBLE_EQ(leadingNumber(qFormatG(-3.5)), -3.5);
    EXPECT_DOUBLE_EQ(parseDouble(qFormatG(-1.234568e7, 7)), -1.234568e7);
    // Typed text may use the user's separator; the dot always works.
    EXPECT_DOUBLE_EQ(parseDouble(QStringLiteral("-3,5")), -3.5);
    EXPECT_DOUBLE_EQ(parseDouble(QStringLiteral("-3.5")), -3.5);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("-3,5")), -3.5);
    EXPECT_THROW(parseDouble(QStringLiteral("1,5,5")), ConversionError);
}

TEST(NumberText, TypedTextTakesOnlyTheDotUnderADotLocale) {
    EXPECT_THROW(parseDouble(QStringLiteral("-3,5")), ConversionError);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("-3,5")), -3.0);
}

TEST(NumberText, StrictConversionsRefuseNanAndInfinity) {
    double value = 7;
    for (const char* text : {"nan", "NaN", "-nan", "inf", "-Infinity", "1e999"})
        EXPECT_FALSE(tryParseDouble(text, value)) << text;
    EXPECT_EQ(value, 7);
    EXPECT_THROW(parseDouble(QStringLiteral("inf")), ConversionError);
}

TEST(NumberText, LeadingNumberTakesNanAndInfinityTextAsNoNumber) {
    for (const char* text : {"nan", "NaN", "-nan", "+NAN", "nan(123)", "inf", "-Inf", "+INF",
                             "infinity", " -Infinity", "INFx"})
        EXPECT_EQ(leadingNumber(text), 0.0) << text;
    EXPECT_EQ(leadingNumber(QStringLiteral("inf")), 0.0);
    EXPECT_EQ(leadingNumber("1e999"), 0.0);  // out of range: no number either
    EXPECT_EQ(leadingNumber("12nan"), 12.0);
}

TEST(NumberText, NumbersTooSmallForADoubleReadAsTheNearestDouble) {
    double value = 7;
    ASSERT_TRUE(tryParseDouble("1e-310", value));
    EXPECT_EQ(value, 1e-310);
    ASSERT_TRUE(tryParseDouble(" 4.9406564584124654e-324 ", value));
    EXPECT_EQ(value, 4.9406564584124654e-324);
    // Below the smallest subnormal number: a zero of the number's sign.
    for (const char* text : {"1e-400", "2e-324", "+1e-99999", "0.0001e-320", "100e-330"}) {
        value = 7;
        ASSERT_TRUE(tryParseDouble(text, value)) << text;
        EXPECT_EQ(value, 0.0) << text;
        EXPECT_FALSE(std::signbit(value)) << text;
    }
    ASSERT_TRUE(tryParseDouble("-1e-400", value));
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(std::signbit(value));
    EXPECT_EQ(leadingNumber("1e-400 m"), 0.0);
    EXPECT_EQ(parseDouble(QStringLiteral("-1e-310")), -1e-310);
    // Too large stays out of range, however the digits are written.
    value = 7;
    for (const char* text : {"1e999", "1000e306", "-1e400", "1e99999999999999999999", "0.0001e313"})
        EXPECT_FALSE(tryParseDouble(text, value)) << text;
    EXPECT_EQ(value, 7);
}

TEST(NumberText, FromCharsDoubleStopsWhereFromCharsStops) {
    const std::string text = "1e-400;5";
    double value = 7;
    const auto result = fromCharsDouble(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ec, std::errc());
    EXPECT_EQ(result.ptr, text.data() + 6);
    EXPECT_EQ(value, 0.0);
    const std::string large = "-1e400 ";
    const auto refused = fromCharsDouble(large.data(), large.data() + large.size(), value);
    EXPECT_EQ(refused.ec, std::errc::result_out_of_range);
    EXPECT_EQ(refused.ptr, large.data() + 6);
}
