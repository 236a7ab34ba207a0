#include "SeriesPoints.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(SeriesPoints, AddWithoutXNumbersByCountAndDeleteKeepsX) {
    SeriesPoints points;
    EXPECT_EQ(points.add(10), 0);
    EXPECT_EQ(points.add(11), 1);
    EXPECT_EQ(points.add(12), 2);
    ASSERT_TRUE(points.remove(1));
    ASSERT_EQ(points.count(), 2);
    EXPECT_EQ(points.x(0), 0);
    EXPECT_EQ(points.x(1), 2);
    EXPECT_EQ(points.y(1), 12);
    // The next point takes the count as X: a second point at X = 2, after the first.
    EXPECT_EQ(points.add(13), 2);
    EXPECT_EQ(points.x(2), 2);
    EXPECT_EQ(points.y(2), 13);
    EXPECT_FALSE(points.remove(3));
    EXPECT_FALSE(points.remove(-1));
    points.clear();
    EXPECT_EQ(points.count(), 0);
}

TEST(SeriesPoints, PointsStayInXOrderAndPositionsAreReported) {
    SeriesPoints points;
    points.addXY(1, 10);
    points.addXY(3, 30);
    EXPECT_EQ(points.addXY(2, 20), 1);
    EXPECT_EQ(points.addXY(0, 0), 0);
    EXPECT_EQ(points.addXY(3, 31), 4);  // equal to the last X: appended
    EXPECT_EQ(points.addXY(2, 21), 2);  // inside: before the equal X
    std::vector<double> ys;
    for (int i = 0; i < points.count(); ++i) ys.push_back(points.y(i));
    EXPECT_EQ(ys, (std::vector<double>{0, 10, 21, 20, 30, 31}));
}

TEST(SeriesPoints, NullPointsAreGapsAndStayOutOfTheRange) {
    SeriesPoints points;
    points.addXY(0, 5);
    EXPECT_EQ(points.addNull(1), 1);
    points.addXY(2, -3);
    EXPECT_TRUE(points.isNull(1));
    EXPECT_TRUE(std::isnan(points.y(1)));
    bool found = false;
    const QCPRange values = points.valueRange(found);
    ASSERT_TRUE(found);
    EXPECT_EQ(values.lower, -3);
    EXPECT_EQ(values.upper, 5);
    points.setNull(0);
    points.setNull(2);
    points.valueRange(found);
    EXPECT_FALSE(found);
    const QCPRange keys = points.keyRange(found);
    EXPECT_TRUE(found);
    EXPECT_EQ(keys.upper, 2);
}

TEST(SeriesPoints, BulkAddKeepsOrderAndSharesTheOneContainer) {
    SeriesPoints points;
    points.addXY(5, 50);
    const std::vector<double> xs = {7, 6, 8};
    const std::vector<double> ys = {70, 60, std::nan("")};
    points.addMany(xs, ys);
    ASSERT_EQ(points.count(), 4);
    EXPECT_EQ(points.x(1), 6);
    EXPECT_EQ(points.y(2), 70);
    EXPECT_TRUE(points.isNull(3));
    // The plot draws from the same container the series counts.
    EXPECT_EQ(points.container()->size(), 4);
    points.remove(0);
    EXPECT_EQ(points.container()->size(), 3);
}

TEST(SeriesPoints, OwnColoursMoveWithTheirPoints) {
    SeriesPoints points;
    points.addXY(0, 1);
    points.addXY(2, 1);
    EXPECT_FALSE(points.hasOwnColours());
    points.setColourAt(1, 0xFF00FF00);
    EXPECT_EQ(points.colourAt(0), 0u);
    points.addXY(1, 1);  // inserted before the coloured point
    EXPECT_EQ(points.colourAt(2), 0xFF00FF00);
    const std::vector<double> xs = {-1, 3};
    const std::vector<double> ys = {1, 1};
    points.addMany(xs, ys);
    EXPECT_EQ(points.colourAt(3), 0xFF00FF00);
    EXPECT_EQ(points.colourAt(4), 0u);
    points.remove(0);
    EXPECT_EQ(points.colourAt(2), 0xFF00FF00);
    points.clear();
    EXPECT_FALSE(points.hasOwnColours());
}
