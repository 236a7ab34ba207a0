#include "LevelHistogram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>
#include <random>

#include "LevelStatistics.h"

namespace {

constexpr double Nodata = -9999;

// Values from -50 to 150 with nodata cells and repeated values among them.
GridRows randomLevel(int rows, int columns, unsigned seed) {
    GridRows level(rows, columns);
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(-50, 150);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const unsigned pick = random() % 10;
            level.at(r, c) = pick == 0 ? Nodata : pick == 1 ? 25.0 : value(random);
        }
    return level;
}

// The bin of v counted the plain way: the last lower bound that v reaches, else the first.
std::size_t directBin(const std::vector<double>& lower, double v) {
    std::size_t bin = 0;
    for (std::size_t k = 1; k < lower.size(); ++k)
        if (v >= lower[k]) bin = k;
    return bin;
}

std::vector<std::int64_t> directCounts(const GridRows& level, const std::vector<double>& lower) {
    std::vector<std::int64_t> counts(lower.size(), 0);
    for (std::size_t i = 0; i < level.cellCount(); ++i)
        if (level.data()[i] != Nodata) ++counts[directBin(lower, level.data()[i])];
    return counts;
}

std::int64_t total(const LevelHistogram& histogram) {
    return std::accumulate(histogram.counts.begin(), histogram.counts.end(), std::int64_t{0});
}

}  // namespace

TEST(LevelHistogram, ClassCountsMatchADirectCountAndAddUpToTheCellCount) {
    const GridRows level = randomLevel(57, 83, 7);
    const double cellCount = levelStatistics(level, Nodata).CellCount;
    // Bounds inside the values, so that the first and last classes take what lies beyond.
    std::vector<double> bounds;
    for (int k = 0; k < 21; ++k) bounds.push_back(-20 + 8.0 * k);
    bounds[5] = 25.0;  // a bound equal to many cells: they open class 5
    const LevelHistogram histogram = classHistogram(level, Nodata, bounds);
    EXPECT_EQ(histogram.lowerBounds, bounds);
    EXPECT_EQ(histogram.counts, directCounts(level, bounds));
    EXPECT_EQ(total(histogram), cellCount);
    EXPECT_GT(histogram.counts[5], histogram.counts[4]);
}

TEST(LevelHistogram, EqualBinsHoldTheMaximumInTheLastBinAndMatchADirectCount) {
    const GridRows level = randomLevel(61, 47, 11);
    const GridStatistics stats = levelStatistics(level, Nodata);
    for (int bins : {1, 2, 3, 7, 21, 100, 1000}) {
        SCOPED_TRACE(bins);
        const LevelHistogram histogram =
            equalBinHistogram(level, Nodata, bins, stats.Minimum, stats.Maximum);
        ASSERT_EQ(histogram.lowerBounds.size(), static_cast<std::size_t>(bins));
        EXPECT_EQ(histogram.lowerBounds.front(), stats.Minimum);
        EXPECT_EQ(histogram.counts, directCounts(level, histogram.lowerBounds));
        EXPECT_EQ(total(histogram), stats.CellCount);
        EXPECT_GE(histogram.counts.back(), 1);
    }
}

TEST(LevelHistogram, ValuesOnEdgesOpenTheirBinAndDegenerateLevelsStayCounted) {
    GridRows level(1, 6);
    const double cells[] = {0, 0.1, 0.2, 0.30000000000000004, Nodata, 1};
    std::copy(std::begin(cells), std::end(cells), level.data());
    // Ten bins of 0.1: 0.1 * 3 is 0.30000000000000004, so that cell opens bin 3.
    LevelHistogram histogram = equalBinHistogram(level, Nodata, 10, 0, 1);
    EXPECT_EQ(histogram.counts, directCounts(level, histogram.lowerBounds));
    EXPECT_EQ(histogram.counts[9], 1);
    EXPECT_EQ(total(histogram), 5);

    // One value only: one bin takes every cell, whatever the number of bins.
    GridRows flat(2, 2, 4.0);
    flat.at(0, 1) = Nodata;
    histogram = equalBinHistogram(flat, Nodata, 5, 4, 4);
    EXPECT_EQ(total(histogram), 3);
    EXPECT_EQ(*std::max_element(histogram.counts.begin(), histogram.counts.end()), 3);

    // Infinite and not-a-number cells are data: they are counted too.
    GridRows odd(1, 4);
    const double oddCells[] = {std::numeric_limits<double>::infinity(), 2,
                               std::numeric_limits<double>::quiet_NaN(), 3};
    std::copy(std::begin(oddCells), std::end(oddCells), odd.data());
    histogram = equalBinHistogram(odd, Nodata, 4, 2, 3);
    EXPECT_EQ(histogram.counts, (std::vector<std::int64_t>{2, 0, 0, 2}));
    histogram = equalBinHistogram(odd, Nodata, 4, 2, std::numeric_limits<double>::infinity());
    EXPECT_EQ(total(histogram), 4);
}
