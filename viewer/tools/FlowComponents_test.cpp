#include "FlowComponents.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

GridHeader header(double ncols, double nrows, double xll, double yll, double cellsize) {
    return GridHeader{ncols, nrows, xll, yll, cellsize, -9999};
}

TEST(FlowGeometry, TheSameDoublesMatch) {
    const GridHeader shown = header(3, 2, 1000.5, 2000.25, 25);
    EXPECT_FALSE(FlowGeometryMismatch(shown, shown, QStringLiteral("x.grd")));
    // The nodata value is not part of the geometry.
    GridHeader other = shown;
    other.nodata_value = -1;
    EXPECT_FALSE(FlowGeometryMismatch(shown, other, QStringLiteral("x.grd")));
}

TEST(FlowGeometry, AnXllcornerDifferingInTheLastBitIsRefusedWithFourLines) {
    const GridHeader shown = header(3, 2, 1000.5, 2000.25, 25);
    GridHeader component = shown;
    component.xllcorner = std::nextafter(shown.xllcorner, 2000.0);
    const auto text = FlowGeometryMismatch(shown, component, QStringLiteral("/data/vx.grd"));
    ASSERT_TRUE(text);
    EXPECT_EQ(*text,
              "The grid geometry of \"/data/vx.grd\" does not match the shown grid:\n"
              "ncols: 3 (shown grid), 3 (component grid)\n"
              "nrows: 2 (shown grid), 2 (component grid)\n"
              "xll: 1000.5 (shown grid), 1000.5 (component grid)\n"
              "yll: 2000.25 (shown grid), 2000.25 (component grid)");
}

TEST(FlowGeometry, EveryGeometryValueCountsTheCellsizeUnlisted) {
    const GridHeader shown = header(3, 2, 10, 20, 5);
    EXPECT_TRUE(FlowGeometryMismatch(shown, header(4, 2, 10, 20, 5), {}));
    EXPECT_TRUE(FlowGeometryMismatch(shown, header(3, 3, 10, 20, 5), {}));
    EXPECT_TRUE(FlowGeometryMismatch(shown, header(3, 2, 10, 21, 5), {}));
    const auto cellsize = FlowGeometryMismatch(shown, header(3, 2, 10, 20, 5.5), {});
    ASSERT_TRUE(cellsize);
    EXPECT_FALSE(cellsize->contains(QStringLiteral("5.5")));
    EXPECT_EQ(cellsize->count(QLatin1Char('\n')), 4);
}

TEST(FlowComponentValues, TheShownLevelIsTakenFromAGridOrAStack) {
    GridDocument grid;
    grid.setOwnValues(std::make_unique<GridRows>(2, 3, 1.5));
    const auto gridValues = TakeShownValues(grid);
    ASSERT_TRUE(gridValues);
    EXPECT_EQ(gridValues->at(1, 2), 1.5);
    EXPECT_FALSE(grid.hasValues());

    GridDocument stack;
    stack.Levels.push_back(std::make_unique<GridRows>(2, 2, 0.0));
    stack.Levels.push_back(std::make_unique<GridRows>(2, 2, 7.0));
    stack.IsStack = true;
    stack.showLevel(1);
    const auto level = TakeShownValues(stack);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->at(0, 0), 7.0);
}

}  // namespace
