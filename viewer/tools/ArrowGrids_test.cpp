#include "ArrowGrids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

constexpr double Nodata = -9999;

GridRows gridOf(int rows, int columns, const std::function<double(int, int)>& value) {
    GridRows grid(rows, columns);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j) grid.at(i, j) = value(i, j);
    return grid;
}

bool isBorder(const GridRows& grid, int i, int j) {
    return i == 0 || j == 0 || i == grid.rowCount() - 1 || j == grid.columnCount() - 1;
}

// The slope angle in degrees with the ten-digit pi the tools compute with.
double slopeDegrees(double gradient) { return std::atan(gradient) * 180 / 3.141592653; }

TEST(GradientGrids, FlatGridHasNoSlopeAndNoArrowsOnItsBorder) {
    const GridRows flat = gridOf(4, 5, [](int, int) { return 7.5; });
    ArrowGrids arrows;
    arrows.ArrowMaxMagnitude = 3;  // left from an earlier grid
    ComputeGradientGrids(arrows, flat, 10, Nodata);
    ASSERT_TRUE(arrows.present());
    EXPECT_EQ(arrows.ArrowMaxMagnitude, 0.0);
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 5; ++j) {
            const double expected = isBorder(flat, i, j) ? Nodata : 0.0;
            EXPECT_EQ(arrows.ArrowMagnitude->at(i, j), expected) << i << "," << j;
            if (isBorder(flat, i, j)) {
                EXPECT_EQ(arrows.ArrowDirection->at(i, j), Nodata);
            }
        }
    }
}

TEST(GradientGrids, PlaneRisingToTheRightPointsLeftWithOneSlope) {
    // Rises 3 per cell of size 2: gx = (6) / 4 = 1.5.
    const GridRows plane = gridOf(5, 6, [](int, int j) { return 3.0 * j; });
    ArrowGrids arrows;
    ComputeGradientGrids(arrows, plane, 2, Nodata);
    const double slope = slopeDegrees(1.5);
    EXPECT_EQ(arrows.ArrowMaxMagnitude, slope);
    for (int i = 1; i < 4; ++i) {
        for (int j = 1; j < 5; ++j) {
            EXPECT_EQ(arrows.ArrowMagnitude->at(i, j), slope);
            EXPECT_DOUBLE_EQ(arrows.ArrowDirection->at(i, j), 270);
        }
    }
}

TEST(GradientGrids, SlopeUsesTheTenDigitPi) {
    // A gradient of 1 is 45 degrees with full precision, a little more with 3.141592653.
    const GridRows plane = gridOf(3, 3, [](int, int j) { return 1.0 * j; });
    ArrowGrids arrows;
    ComputeGradientGrids(arrows, plane, 1, Nodata);
    EXPECT_EQ(arrows.ArrowMagnitude->at(1, 1), std::atan(1.0) * 180 / 3.141592653);
    EXPECT_GT(arrows.ArrowMagnitude->at(1, 1), 45.0);
}

TEST(GradientGrids, DirectionIsTheCompassDirectionOfDescent) {
    EXPECT_DOUBLE_EQ(GradientDirection(1, 0), 270);    // rising right: left
    EXPECT_DOUBLE_EQ(GradientDirection(-1, 0), 90);    // rising left: right
    EXPECT_DOUBLE_EQ(GradientDirection(0, 1), 180);    // rising to the top: down
    EXPECT_DOUBLE_EQ(GradientDirection(0, -1), 0);     // rising downwards: up
    EXPECT_DOUBLE_EQ(GradientDirection(0, 0), 0);      // flat: up, though never drawn
    EXPECT_NEAR(GradientDirection(1, 1), 225, 1e-7);   // rising right and up: down left
    EXPECT_NEAR(GradientDirection(-1, 1), 135, 1e-7);  // rising left and up: down right
    EXPECT_NEAR(GradientDirection(-1, -1), 45, 1e-7);
    EXPECT_NEAR(GradientDirection(1, -1), 315, 1e-7);

    // A surface rising towards the top of the grid (row 0): its arrows point down.
    const GridRows risingUp = gridOf(4, 3, [](int i, int) { return -1.0 * i; });
    ArrowGrids arrows;
    ComputeGradientGrids(arrows, risingUp, 1, Nodata);
    EXPECT_DOUBLE_EQ(arrows.ArrowDirection->at(1, 1), 180);
    EXPECT_DOUBLE_EQ(arrows.ArrowDirection->at(2, 1), 180);
}

TEST(GradientGrids, CellsNextToNodataHaveNoArrowButTheNodataCellItselfMay) {
    GridRows values = gridOf(5, 5, [](int i, int j) { return double(i * i + j); });
    values.at(2, 2) = Nodata;
    ArrowGrids arrows;
    ComputeGradientGrids(arrows, values, 1, Nodata);
    for (const auto& [i, j] : {std::pair{1, 2}, {2, 1}, {2, 3}, {3, 2}}) {
        EXPECT_EQ(arrows.ArrowMagnitude->at(i, j), Nodata);
        EXPECT_EQ(arrows.ArrowDirection->at(i, j), Nodata);
    }
    // Its own value is not used: its four neighbours hold data.
    EXPECT_NE(arrows.ArrowMagnitude->at(2, 2), Nodata);
    EXPECT_NE(arrows.ArrowMagnitude->at(1, 1), Nodata);
    EXPECT_NE(arrows.ArrowMagnitude->at(3, 3), Nodata);
}

TEST(GradientGrids, SecondGridIsScaledToItsOwnSteepestSlope) {
    ArrowGrids arrows;
    ComputeGradientGrids(arrows, gridOf(4, 4, [](int, int j) { return 100.0 * j; }), 1, Nodata);
    const double steep = arrows.ArrowMaxMagnitude;
    ComputeGradientGrids(arrows, gridOf(6, 3, [](int, int j) { return 0.1 * j; }), 1, Nodata);
    EXPECT_LT(arrows.ArrowMaxMagnitude, steep);
    EXPECT_EQ(arrows.ArrowMaxMagnitude, slopeDegrees(0.1));
    EXPECT_EQ(arrows.ArrowDirection->rowCount(), 6);
    EXPECT_EQ(arrows.ArrowDirection->columnCount(), 3);
}

TEST(GradientGrids, GridsTooSmallForInnerCellsHoldOnlyNodata) {
    for (const auto& [rows, columns] : {std::pair{1, 1}, {2, 5}, {5, 2}}) {
        ArrowGrids arrows;
        ComputeGradientGrids(arrows, gridOf(rows, columns, [](int, int j) { return 1.0 * j; }), 1,
                             Nodata);
        for (int i = 0; i < rows; ++i)
            for (int j = 0; j < columns; ++j) EXPECT_EQ(arrows.ArrowMagnitude->at(i, j), Nodata);
        EXPECT_EQ(arrows.ArrowMaxMagnitude, 0.0);
    }
}

TEST(FlowDirection, EveryQuadrantAndAxis) {
    EXPECT_DOUBLE_EQ(FlowDirection(1, 0), 90);
    EXPECT_DOUBLE_EQ(FlowDirection(0, -1), 0);
    EXPECT_DOUBLE_EQ(FlowDirection(0, 1), 180);
    EXPECT_DOUBLE_EQ(FlowDirection(-1, 0), 270);
    EXPECT_DOUBLE_EQ(FlowDirection(0, 0), 90);
    EXPECT_NEAR(FlowDirection(1, -1), 45, 1e-7);
    EXPECT_NEAR(FlowDirection(-1, -1), 315, 1e-7);
    EXPECT_NEAR(FlowDirection(-1, 1), 225, 1e-7);
    EXPECT_NEAR(FlowDirection(1, 1), 135, 1e-7);
    // Not symmetric: 30 degrees off the axis in each quadrant.
    const double y = std::tan(30 * 3.141592653 / 180);
    EXPECT_NEAR(FlowDirection(1, -y), 60, 1e-9);
    EXPECT_NEAR(FlowDirection(-1, -y), 300, 1e-9);
    EXPECT_NEAR(FlowDirection(-1, y), 240, 1e-9);
    EXPECT_NEAR(FlowDirection(1, y), 120, 1e-9);
}

TEST(FlowGrids, EveryCellBordersIncludedGetsSpeedAndDirection) {
    const GridRows x = gridOf(3, 4, [](int i, int) { return i == 1 ? 3.0 : 1.0; });
    const GridRows y = gridOf(3, 4, [](int i, int) { return i == 1 ? -4.0 : 0.0; });
    ArrowGrids arrows;
    ComputeFlowGrids(arrows, x, y, Nodata);
    EXPECT_EQ(arrows.ArrowMaxMagnitude, 5.0);
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(arrows.ArrowMagnitude->at(0, j), 1.0);
        EXPECT_EQ(arrows.ArrowMagnitude->at(2, j), 1.0);
        EXPECT_EQ(arrows.ArrowDirection->at(0, j), 90.0);
        EXPECT_EQ(arrows.ArrowMagnitude->at(1, j), 5.0);
    }
}

TEST(FlowGrids, ComponentsNearTheLargestDoubleGiveFiniteSpeeds) {
    // x * x + y * y would overflow to infinity here.
    const GridRows x = gridOf(2, 2, [](int, int j) { return j == 0 ? 1e308 : -1.5e308; });
    const GridRows y = gridOf(2, 2, [](int i, int) { return i == 0 ? 1e308 : 0.0; });
    ArrowGrids arrows;
    ComputeFlowGrids(arrows, x, y, Nodata);
    EXPECT_DOUBLE_EQ(arrows.ArrowMagnitude->at(0, 0), std::sqrt(2.0) * 1e308);
    EXPECT_DOUBLE_EQ(arrows.ArrowMagnitude->at(0, 1), std::hypot(1.5, 1.0) * 1e308);
    EXPECT_DOUBLE_EQ(arrows.ArrowMagnitude->at(1, 1), 1.5e308);
    EXPECT_DOUBLE_EQ(arrows.ArrowMaxMagnitude, std::hypot(1.5, 1.0) * 1e308);
    EXPECT_NEAR(arrows.ArrowDirection->at(0, 0), 135, 1e-7);
}

TEST(FlowGrids, NodataInEitherComponentLeavesTheCellWithoutArrow) {
    GridRows x = gridOf(2, 3, [](int, int) { return 0.0; });
    GridRows y = gridOf(2, 3, [](int, int) { return 0.0; });
    x.at(0, 1) = Nodata;
    y.at(1, 2) = Nodata;
    ArrowGrids arrows;
    ComputeFlowGrids(arrows, x, y, Nodata);
    EXPECT_EQ(arrows.ArrowMagnitude->at(0, 1), Nodata);
    EXPECT_EQ(arrows.ArrowMagnitude->at(1, 2), Nodata);
    // All zero elsewhere: no largest magnitude, direction 90.
    EXPECT_EQ(arrows.ArrowMaxMagnitude, 0.0);
    EXPECT_EQ(arrows.ArrowMagnitude->at(0, 0), 0.0);
    EXPECT_EQ(arrows.ArrowDirection->at(0, 0), 90.0);
}

}  // namespace
