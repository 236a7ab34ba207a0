#include "StatClass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

TEST(StatClass, EmptySetGivesMinus9999Everywhere) {
    const GridStatistics s = StatClass().results();
    EXPECT_EQ(s.CellCount, 0);
    EXPECT_EQ(s.Minimum, -9999);
    EXPECT_EQ(s.Maximum, -9999);
    EXPECT_EQ(s.Sum, -9999);
    EXPECT_EQ(s.Average, -9999);
    EXPECT_EQ(s.StdDeviation, -9999);
}

TEST(StatClass, SingleValueHasNoSpread) {
    StatClass stats;
    stats.Add(4.5);
    const GridStatistics s = stats.results();
    EXPECT_EQ(s.CellCount, 1);
    EXPECT_EQ(s.Minimum, 4.5);
    EXPECT_EQ(s.Maximum, 4.5);
    EXPECT_EQ(s.Sum, 4.5);
    EXPECT_EQ(s.Average, 4.5);
    EXPECT_EQ(s.StdDeviation, 0);
}

TEST(StatClass, ConstantValuesGiveZeroDeviation) {
    StatClass stats;
    for (int i = 0; i < 1000; ++i) stats.Add(2.5);
    EXPECT_EQ(stats.results().StdDeviation, 0);
    EXPECT_EQ(stats.results().Average, 2.5);
    // Three equal values whose sums round so that the variance comes out negative.
    StatClass rounded;
    for (int i = 0; i < 3; ++i) rounded.Add(0.1);
    EXPECT_EQ(rounded.results().StdDeviation, 0);
}

TEST(StatClass, SampleDeviationAndOrderIndependentExtremes) {
    std::vector<double> values{3, -1, 7, 2, 2, 10, -4};
    std::vector<GridStatistics> results;
    std::sort(values.begin(), values.end());
    do {
        StatClass stats;
        for (double v : values) stats.Add(v);
        results.push_back(stats.results());
    } while (std::next_permutation(values.begin(), values.end()) && results.size() < 200);
    for (const auto& s : results) {
        EXPECT_EQ(s.Minimum, -4);
        EXPECT_EQ(s.Maximum, 10);
        EXPECT_EQ(s.Sum, 19);
    }
    // Sample variance of the seven values.
    const double mean = 19.0 / 7;
    double squares = 0;
    for (double v : values) squares += (v - mean) * (v - mean);
    EXPECT_NEAR(results.front().StdDeviation, std::sqrt(squares / 6), 1e-12);
}

TEST(StatClass, ResetStartsAfresh) {
    StatClass stats;
    stats.Add(5);
    stats.Reset();
    stats.Add(-2);
    EXPECT_EQ(stats.results().Maximum, -2);
    EXPECT_EQ(stats.results().CellCount, 1);
}
