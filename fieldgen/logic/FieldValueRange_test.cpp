#include "FieldValueRange.h"

#include <gtest/gtest.h>

namespace {

FieldParameters field(double average, double deviation, int distributionType = 0) {
    FieldParameters parameters;
    parameters.average = average;
    parameters.stdDeviation = deviation;
    parameters.distributionType = distributionType;
    return parameters;
}

}  // namespace

TEST(FieldValueRange, CorrelationLengthsWhoseReciprocalOverflowsAreRefused) {
    FieldParameters x;
    x.corrLenX = 1e-310;
    ASSERT_TRUE(refusalOfValueRange(x));
    EXPECT_EQ(
        *refusalOfValueRange(x),
        QStringLiteral("The correlation length in x must be at least 1e-300 (it is 1e-310)."));
    FieldParameters y;
    y.corrLenY = 5e-301;
    ASSERT_TRUE(refusalOfValueRange(y));
    EXPECT_TRUE(refusalOfValueRange(y)->contains(QStringLiteral("in y")));
    FieldParameters least;
    least.corrLenX = least.corrLenY = MinimumCorrelationLength;
    EXPECT_FALSE(refusalOfValueRange(least));
    // Long lengths make small reciprocals, which are harmless.
    least.corrLenX = 1e308;
    EXPECT_FALSE(refusalOfValueRange(least));
}

TEST(FieldValueRange, TheNormalTypeNeedsAFiniteMeanPlusOrMinusTheDeviation) {
    EXPECT_FALSE(refusalOfValueRange(FieldParameters{}));
    EXPECT_FALSE(refusalOfValueRange(field(1e308, 0)));
    EXPECT_FALSE(refusalOfValueRange(field(1e308, 7e307)));
    for (const auto& bad : {field(1e308, 1e308), field(-1e308, 1e308), field(1e308, -1e308),
                            field(0, 1.7e308 * 2 / 3 * 2)}) {
        const auto refusal = refusalOfValueRange(bad);
        ASSERT_TRUE(refusal) << bad.average << " " << bad.stdDeviation;
        EXPECT_TRUE(refusal->contains(QStringLiteral("infinite")));
    }
}

TEST(FieldValueRange, TheLogarithmicTypeNeedsAFinitePowerOfTen) {
    EXPECT_FALSE(refusalOfValueRange(field(300, 8, 1)));
    EXPECT_FALSE(refusalOfValueRange(field(300, -8, 1)));
    // Powers of very negative exponents come to 0, which is a finite value.
    EXPECT_FALSE(refusalOfValueRange(field(-1000, 1, 1)));
    for (const auto& bad : {field(400, 1, 1), field(300, 9, 1), field(0, 1e308, 1),
                            field(0, -1e308, 1), field(1e308, 1e308, 1)}) {
        const auto refusal = refusalOfValueRange(bad);
        ASSERT_TRUE(refusal) << bad.average << " " << bad.stdDeviation;
        EXPECT_TRUE(refusal->contains(QStringLiteral("308.25")));
    }
    // The same values are fine for the normal type.
    EXPECT_FALSE(refusalOfValueRange(field(400, 1, 0)));
}
