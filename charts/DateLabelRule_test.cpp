#include "DateLabelRule.h"

#include <gtest/gtest.h>

#include "TChart.h"

namespace {
constexpr double minute = 1.0 / 1440.0;
}

TEST(DateLabelRule, LabelsFollowTheWidthOfTheView) {
    auto labels = dateLabelsForWidth(100 * 365.0);
    ASSERT_TRUE(labels);
    EXPECT_EQ(labels->increment, DateTimeStep::OneYear);
    EXPECT_EQ(labels->format, "yy");
    EXPECT_EQ(labels->labelsSeparation, 50);
    EXPECT_EQ(labels->minorTickCount, 3);

    labels = dateLabelsForWidth(10 * 365.0);
    EXPECT_EQ(labels->format, "yyyy");
    EXPECT_EQ(labels->minorTickCount, 11);

    labels = dateLabelsForWidth(90.0);
    EXPECT_EQ(labels->increment, DateTimeStep::OneMonth);
    EXPECT_EQ(labels->format, "dd.mm.yyyy");
    EXPECT_EQ(labels->labelsSeparation, 0);

    labels = dateLabelsForWidth(20.0);
    EXPECT_EQ(labels->increment, DateTimeStep::OneWeek);
    EXPECT_EQ(labels->format, "ddd, dd.mm.yyyy");
    EXPECT_EQ(labels->minorTickCount, 6);

    // One whole day is not more than two days: hourly labels.
    labels = dateLabelsForWidth(1.0);
    EXPECT_EQ(labels->increment, DateTimeStep::OneHour);
    EXPECT_EQ(labels->format, "ddd, dd.mm.yy hh:nn");
    EXPECT_EQ(dateLabelsForWidth(2.0 + minute)->increment, DateTimeStep::OneDay);
    EXPECT_EQ(dateLabelsForWidth(30 * minute)->increment, DateTimeStep::TenMinutes);
    EXPECT_EQ(dateLabelsForWidth(3 * minute)->increment, DateTimeStep::OneMinute);
    // Ninety seconds leave the labels alone.
    EXPECT_FALSE(dateLabelsForWidth(1.5 * minute));
}

TEST(DateLabelRule, AdaptingSetsTheAxisAndANarrowViewKeepsIt) {
    TChart chart;
    TChartAxis& axis = chart.bottomAxis();
    adaptDateLabels(axis, 20.0);
    EXPECT_DOUBLE_EQ(axis.desiredIncrement(), 7.0);
    EXPECT_EQ(axis.dateTimeFormat(), "ddd, dd.mm.yyyy");
    EXPECT_EQ(axis.minorTickCount(), 6);
    EXPECT_EQ(axis.labelsSeparation(), 0);
    adaptDateLabels(axis, 1.5 * minute);
    EXPECT_DOUBLE_EQ(axis.desiredIncrement(), 7.0);
}
