#include "ValueFormat.h"

#include <gtest/gtest.h>

TEST(ValueFormat, TheLeftAxisPatternOfTheCharts) {
    const QString pattern = "#,##0.##########";
    EXPECT_EQ(formatValue(1234.5, pattern), "1,234.5");
    EXPECT_EQ(formatValue(2, pattern), "2");
    EXPECT_EQ(formatValue(0, pattern), "0");
    EXPECT_EQ(formatValue(-1234567.25, pattern), "-1,234,567.25");
    EXPECT_EQ(formatValue(0.001, pattern), "0.001");
    EXPECT_EQ(formatValue(-0.00000000001, pattern), "0");  // rounds to zero: no minus
    EXPECT_EQ(formatValue(999.99999999999, pattern), "1,000");
}

TEST(ValueFormat, FixedDigitsAndNoPattern) {
    EXPECT_EQ(formatValue(3.5, "0.00"), "3.50");
    EXPECT_EQ(formatValue(0.5, "#.##"), ".5");
    EXPECT_EQ(formatValue(7, "000"), "007");
    EXPECT_EQ(formatValue(1.0 / 3, ""), "0.333333333333333");
}

TEST(ValueFormat, NumbersBeyondEighteenDigitsAreWrittenInTheGeneralForm) {
    const QString pattern = "#,##0.##########";
    EXPECT_EQ(formatValue(1.7976931348623157e308, pattern), "1.79769313486232E308");
    EXPECT_EQ(formatValue(-1e300, pattern), "-1E300");
    EXPECT_EQ(formatValue(1e18, pattern), "1E18");
    EXPECT_EQ(formatValue(999999999999999872.0, pattern), "999,999,999,999,999,872");
}
