#include "AxisLimits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ChartPaging.h"

TEST(AxisLimits, MinimumAboveMaximumIsRefusedAndChangesNothing) {
    AxisLimits axis;
    ASSERT_TRUE(axis.setMinMax(-5, 5));
    EXPECT_FALSE(axis.setMinimum(6));
    EXPECT_FALSE(axis.setMaximum(-6));
    EXPECT_FALSE(axis.setMinMax(2, 1));
    EXPECT_FALSE(axis.setMinimum(std::nan("")));
    EXPECT_EQ(axis.minimum(), -5);
    EXPECT_EQ(axis.maximum(), 5);
    // The order that the logarithmic switch uses from a maximum below 0.001.
    ASSERT_TRUE(axis.setMinMax(-5, -1));
    EXPECT_FALSE(axis.setMinimum(0.001));
    EXPECT_TRUE(axis.setMaximum(0.002));
    EXPECT_TRUE(axis.setMinimum(0.001));
    EXPECT_TRUE(axis.setMaximum(1000));
    EXPECT_EQ(axis.minimum(), 0.001);
}

TEST(AxisLimits, SettingLimitsClearsTheirAutomaticFlags) {
    AxisLimits axis;
    EXPECT_TRUE(axis.automatic());
    axis.setMaximum(3);
    EXPECT_TRUE(axis.automaticMinimum());
    EXPECT_FALSE(axis.automaticMaximum());
    axis.applyAutomatic(-2, 10);
    EXPECT_EQ(axis.minimum(), -2);
    EXPECT_EQ(axis.maximum(), 3);
    axis.setAutomatic(true);
    axis.applyAutomatic(1, 4);
    EXPECT_EQ(axis.minimum(), 1);
    EXPECT_EQ(axis.maximum(), 4);
    axis.applyAutomatic(5, 4);  // no data: limits stay
    EXPECT_EQ(axis.minimum(), 1);
}

TEST(AxisLimits, ShownRangeIsNeverEmptyAndPositiveOnALogarithmicAxis) {
    AxisLimits axis;
    axis.setMinMax(-9999, -9999);
    EXPECT_EQ(axis.shownRange().lower, -10000);
    EXPECT_EQ(axis.shownRange().upper, -9998);
    axis.setLogarithmic(true);
    EXPECT_EQ(axis.shownRange().lower, 1);
    EXPECT_EQ(axis.shownRange().upper, 10);
    axis.setMinMax(-5, 100);
    EXPECT_EQ(axis.shownRange().lower, 0.1);
    axis.setMinMax(0.001, 1000);
    EXPECT_EQ(axis.shownRange().lower, 0.001);
    EXPECT_EQ(axis.shownRange().upper, 1000);
}

TEST(ChartPaging, PagesCountTheLongestSeries) {
    ChartPaging paging;
    EXPECT_EQ(paging.pageCount(1000), 1);  // no page size: one page
    paging.setMaxPointsPerPage(365);
    EXPECT_EQ(paging.pageCount(0), 1);
    EXPECT_EQ(paging.pageCount(365), 1);
    EXPECT_EQ(paging.pageCount(366), 2);
    EXPECT_EQ(paging.pageCount(262800), 720);
    EXPECT_TRUE(paging.setPage(720, 262800));
    EXPECT_FALSE(paging.setPage(721, 262800));
    EXPECT_FALSE(paging.setPage(0, 262800));
    EXPECT_EQ(paging.page(), 720);
    paging.setMaxPointsPerPage(4);
    EXPECT_EQ(paging.page(), 1);
}

TEST(AxisLimits, EqualHugeLimitsAreWidenedByAShareOfTheirValueAndStayFinite) {
    AxisLimits axis;
    ASSERT_TRUE(axis.setMinMax(1e300, 1e300));
    EXPECT_LT(axis.shownRange().lower, 1e300);
    EXPECT_GT(axis.shownRange().upper, 1e300);
    const double largest = std::numeric_limits<double>::max();
    ASSERT_TRUE(axis.setMinMax(largest, largest));
    EXPECT_LT(axis.shownRange().lower, largest);
    EXPECT_EQ(axis.shownRange().upper, largest);
    ASSERT_TRUE(axis.setMinMax(-largest, -largest));
    EXPECT_EQ(axis.shownRange().lower, -largest);
    EXPECT_GT(axis.shownRange().upper, -largest);
}
