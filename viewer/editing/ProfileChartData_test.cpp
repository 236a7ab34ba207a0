#include "ProfileChartData.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The values with NaN written as -1, so that vectors compare.
std::vector<double> shown(std::vector<double> values) {
    for (double& value : values)
        if (std::isnan(value)) value = -1;
    return values;
}

TEST(ProfileChartData, TheLineBreaksWhereNodataLayAndLonePointsBecomeMarkers) {
    ProfileSeries profile;
    profile.add(5);
    profile.breakLine();
    profile.add(7);
    profile.add(8);
    profile.breakLine();
    profile.add(9);
    const ProfileChartData data = profileChartData(profile);
    EXPECT_EQ(shown(data.lineYs), (std::vector<double>{5, -1, 7, 8, -1, 9}));
    EXPECT_EQ(data.lineXs, (std::vector<double>{0, 0.5, 1, 2, 2.5, 3}));
    // 5 and 9 have no piece of line; a null point keeps them apart.
    EXPECT_EQ(shown(data.loneYs), (std::vector<double>{5, -1, 9}));
    EXPECT_EQ(data.loneXs, (std::vector<double>{0, 1.5, 3}));
}

TEST(ProfileChartData, ASinglePointIsAMarkerAndTwoJoinedPointsAreNone) {
    ProfileSeries profile;
    profile.breakLine();  // before any point: nothing to break
    profile.add(4);
    ProfileChartData data = profileChartData(profile);
    EXPECT_EQ(data.lineYs, std::vector<double>{4});
    EXPECT_EQ(data.loneYs, std::vector<double>{4});
    profile.add(6);
    data = profileChartData(profile);
    EXPECT_EQ(data.lineYs, (std::vector<double>{4, 6}));
    EXPECT_TRUE(data.loneYs.empty());
    EXPECT_FALSE(profileChartData(ProfileSeries()).hasPoints);
}

TEST(ProfileChartData, AxesLeaveAMarginOfATwentiethAroundThePoints) {
    ProfileSeries profile;
    for (double value : {200.0, 240.0, 220.0}) profile.add(value);
    const ProfileChartData data = profileChartData(profile);
    ASSERT_TRUE(data.hasPoints);
    EXPECT_DOUBLE_EQ(data.xMin, -0.1);
    EXPECT_DOUBLE_EQ(data.xMax, 2.1);
    EXPECT_DOUBLE_EQ(data.yMin, 198);
    EXPECT_DOUBLE_EQ(data.yMax, 242);

    ProfileSeries single;
    single.add(-40);
    const ProfileChartData one = profileChartData(single);
    EXPECT_DOUBLE_EQ(one.xMin, -1);
    EXPECT_DOUBLE_EQ(one.xMax, 1);
    EXPECT_DOUBLE_EQ(one.yMin, -42);
    EXPECT_DOUBLE_EQ(one.yMax, -38);
}

TEST(ProfileSeries, ARemovedPointPassesItsBreakOnAndClearForgetsIt) {
    ProfileSeries profile;
    profile.add(1);
    profile.breakLine();
    profile.add(2);
    profile.add(3);
    profile.remove(1);
    EXPECT_TRUE(profile.breaksBefore(1));
    profile.remove(0);
    EXPECT_FALSE(profile.breaksBefore(0));
    profile.breakLine();
    profile.clear();
    profile.add(4);
    profile.add(5);
    EXPECT_FALSE(profile.breaksBefore(1));
}

}  // namespace
