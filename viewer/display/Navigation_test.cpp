#include <gtest/gtest.h>

#include <array>

#include "CellReadout.h"
#include "GridPaint.h"
#include "Zoom.h"

namespace {

using Cells = std::array<int, 4>;  // first and last row, first and last column
Cells cells(const ViewWindow& w) { return {w.FirstRow, w.LastRow, w.FirstCol, w.LastCol}; }

ViewWindow painted(ViewWindow window, int boxWidth = 101, int boxHeight = 101) {
    FitWindow(window, boxWidth, boxHeight);
    return window;
}

// Field by field, joined with '|'.
std::string texts(const CellReadout& r) {
    return QStringList{r.XCol, r.YCol, r.XCoord, r.YCoord, r.Value}.join('|').toStdString();
}

const ZoomDirection In = ZoomDirection::In, Out = ZoomDirection::Out;

}  // namespace

TEST(Zoom, AroundThePixelMatchedToTheBoxAndClampedIntoTheGrid) {
    const struct {
        ViewWindow from;
        ZoomDirection direction;
        int x, y, boxWidth, nrows, ncols;
        Cells to;
    } cases[] = {
        {{0, 100, 0, 100}, In, 50, 50, 101, 100, 100, {11, 91, 11, 91}},  // 80 x 80 at the centre
        {{0, 100, 0, 100}, In, 50, 50, 201, 100, 100, {30, 72, 11, 91}},  // wide box: 21 rows
        {{100, 190, 100, 190}, Out, 45, 45, 101, 300, 300, {78, 204, 78, 204}},  // 90 x 0.1 x 7
        {{40, 44, 40, 44}, Out, 50, 50, 101, 100, 100, {39, 47, 39, 47}},        // unchanged: widen
        {{60, 100, 60, 100}, Out, 99, 99, 101, 100, 100, {44, 100, 44, 100}},    // moved back in
        {{0, 100, 0, 100}, Out, 0, 99, 101, 100, 100, {0, 100, 0, 100}},         // keeps covering
        {{0, 50, 0, 100}, Out, 198, 0, 201, 50, 100, {0, 50, 0, 100}},
        // The mend: one or two cells zoomed in keep the cell under the pixel, one cell zoomed
        // out grows to 5 x 5.
        {{5, 6, 7, 8}, In, 50, 50, 101, 10, 10, {5, 6, 7, 8}},
        {{4, 6, 2, 4}, In, 75, 20, 101, 10, 10, {4, 5, 3, 4}},
        {{5, 6, 5, 6}, Out, 50, 50, 101, 10, 10, {3, 8, 3, 8}},
        {{0, 1, 9, 10}, Out, 50, 50, 101, 10, 10, {0, 5, 5, 10}},
    };
    for (const auto& c : cases) {
        ViewWindow w = painted(c.from, c.boxWidth);
        ZoomWindow(w, c.direction, c.x, c.y, c.boxWidth, 101, c.nrows, c.ncols);
        EXPECT_EQ(cells(w), c.to) << c.from.FirstRow << " " << c.from.FirstCol;
    }
    ViewWindow unpainted{0, 10, 0, 10};
    ZoomWindow(unpainted, In, 5, 5, 101, 101, 10, 10);
    EXPECT_EQ(cells(unpainted), (Cells{0, 10, 0, 10}));
}

TEST(Zoom, TheWheelKeepsTheCellUnderThePixelAndTheWindowsShape) {
    const struct {
        ViewWindow from;
        ZoomDirection direction;
        int x, y, boxWidth, boxHeight;
        int rows, columns;  // of the zoomed window
    } cases[] = {
        {{0, 100, 0, 100}, In, 80, 20, 101, 101, 80, 80},
        {{0, 100, 0, 100}, In, 13, 77, 201, 101, 80, 80},  // the box's shape does not count
        {{0, 100, 0, 50}, In, 40, 30, 101, 301, 80, 40},
        {{20, 60, 30, 70}, Out, 25, 12, 101, 101, 56, 56},
        {{100, 190, 100, 190}, Out, 45, 45, 101, 101, 126, 126},
        {{40, 44, 40, 44}, Out, 50, 50, 101, 101, 8, 8},  // unchanged: widened by 2
        {{5, 6, 7, 8}, In, 50, 50, 101, 101, 1, 1},       // one cell stays one cell
    };
    for (const auto& c : cases) {
        const ViewWindow from = painted(c.from, c.boxWidth, c.boxHeight);
        ViewWindow zoomed = from;
        ZoomWindowKeepingPointedCell(zoomed, c.direction, c.x, c.y, c.boxWidth, c.boxHeight, 1000,
                                     1000);
        EXPECT_EQ(zoomed.rowCount(), c.rows) << c.x << " " << c.y;
        EXPECT_EQ(zoomed.columnCount(), c.columns) << c.x << " " << c.y;
        const ViewWindow after = painted(zoomed, c.boxWidth, c.boxHeight);
        EXPECT_EQ(after.columnAt(c.x), from.columnAt(c.x)) << c.x << " " << c.y;
        EXPECT_EQ(after.rowAt(c.y), from.rowAt(c.y)) << c.x << " " << c.y;
    }
    // Centring would have moved the cell: the click's window differs.
    ViewWindow byClick = painted({0, 100, 0, 100});
    ViewWindow byWheel = byClick;
    ZoomWindow(byClick, In, 80, 20, 101, 101, 100, 100);
    ZoomWindowKeepingPointedCell(byWheel, In, 80, 20, 101, 101, 100, 100);
    EXPECT_EQ(cells(byClick), (Cells{0, 80, 20, 100}));
    EXPECT_EQ(cells(byWheel), (Cells{4, 84, 16, 96}));
    // At the grid's edge the window is clamped into the grid.
    ViewWindow corner = painted({0, 100, 0, 100});
    ZoomWindowKeepingPointedCell(corner, Out, 99, 99, 101, 101, 100, 100);
    EXPECT_EQ(cells(corner), (Cells{0, 100, 0, 100}));
}

TEST(Navigation, ShiftsByAThirdStopAtTheBorderAndNeverShrink) {
    ViewWindow two{0, 10, 0, 2}, ten{0, 10, 0, 10}, edge{0, 10, 88, 98}, large{-3, 20, 2, 9};
    ShiftWindow(two, ShiftDirection::Right, 100, 100);
    EXPECT_EQ(cells(two), (Cells{0, 10, 1, 3}));
    ShiftWindow(ten, ShiftDirection::Right, 100, 100);
    ShiftWindow(ten, ShiftDirection::Down, 100, 100);
    EXPECT_EQ(cells(ten), (Cells{4, 14, 4, 14}));
    ShiftWindow(edge, ShiftDirection::Right, 100, 100);
    ShiftWindow(edge, ShiftDirection::Up, 100, 100);
    EXPECT_EQ(cells(edge), (Cells{0, 10, 90, 100}));
    ClampWindow(large, 10, 5);
    EXPECT_EQ(cells(large), (Cells{0, 10, 0, 5}));
}

TEST(CellReadout, CornerCellValueAndOutside) {
    GridHeader header{4, 3, 1000, 2000, 25, -9999};
    GridRows values(3, 4, 1.25);
    values.at(2, 1) = -9999;
    EXPECT_EQ(texts(*ReadCellAt(painted({0, 3, 0, 4}), header, values, 0, 0)),
              "1|1|1000|2075|1.25");
    const ViewWindow zoomedIn = painted({1, 3, 1, 3});  // 50 pixels a cell
    EXPECT_EQ(zoomedIn.columnLeft(2), 50);
    // x = (25 * 2 / 100 + 1) * 25 + 1000, y = (3 - 1 - 75 * 2 / 100) * 25 + 2000
    EXPECT_EQ(texts(*ReadCellAt(zoomedIn, header, values, 25, 75)), "2|3|1037.5|2012.5|-9999");
    // Beyond the last column, in a picture narrower than the box.
    const ViewWindow narrow = painted({0, 3, 3, 4});
    ASSERT_EQ(narrow.DrawWidth, 33);
    const auto outside = ReadCellAt(narrow, header, values, 40, 10);
    EXPECT_FALSE(outside->inside);
    EXPECT_EQ(texts(*outside), "-|-|outside|outside|outside");
    EXPECT_FALSE(ReadCellAt(ViewWindow{0, 3, 0, 4}, header, values, 0, 0));
}
