#include "SelectionRules.h"

#include <gtest/gtest.h>

#include "CellSelector.h"

namespace {

using Cells = std::vector<GridCell>;

TEST(MouseDownCommand, AltZoomsBeforeAnySelectionAndOtherButtonsDoNothing) {
    // leftButton, shift, ctrl, alt
    EXPECT_EQ(mouseDownCommand(true, true, false, true), MouseDownCommand::ZoomOut);
    EXPECT_EQ(mouseDownCommand(true, false, false, true), MouseDownCommand::ZoomIn);
    EXPECT_EQ(mouseDownCommand(true, false, true, true), MouseDownCommand::Ignore);
    EXPECT_EQ(mouseDownCommand(false, false, false, false), MouseDownCommand::Ignore);
    EXPECT_EQ(mouseDownCommand(false, false, true, false), MouseDownCommand::Ignore);
    EXPECT_EQ(mouseDownCommand(true, false, true, false), MouseDownCommand::Toggle);
    EXPECT_EQ(mouseDownCommand(true, true, false, false), MouseDownCommand::Rectangle);
    EXPECT_EQ(mouseDownCommand(true, false, false, false), MouseDownCommand::Single);
    EXPECT_EQ(mouseDownCommand(true, true, true, false), MouseDownCommand::Line);
}

TEST(RectangleCells, RunRowByRowFromTheAnchorWithoutIt) {
    EXPECT_EQ(rectangleCells({3, 3}, {1, 5}),
              (Cells{{2, 3}, {1, 3}, {3, 4}, {2, 4}, {1, 4}, {3, 5}, {2, 5}, {1, 5}}));
    EXPECT_EQ(rectangleCells({2, 2}, {2, 2}), Cells{});
    EXPECT_EQ(rectangleCells({1, 2}, {2, 1}), (Cells{{2, 2}, {1, 1}, {2, 1}}));
}

TEST(LineCells, RoundHalvesDownAlongTheLongerDirection) {
    EXPECT_EQ(lineCells({1, 1}, {5, 3}), (Cells{{2, 1}, {3, 2}, {4, 2}, {5, 3}}));
    // Steep: one cell per row; the exact half (row 2 -> column 1.5) rounds down.
    EXPECT_EQ(lineCells({1, 1}, {2, 3}), (Cells{{1, 2}, {2, 3}}));
    // Backwards and upwards: floor(offset + 0.4999) of a negative half goes one further.
    EXPECT_EQ(lineCells({5, 3}, {1, 1}), (Cells{{4, 2}, {3, 2}, {2, 1}, {1, 1}}));
    EXPECT_EQ(lineCells({2, 4}, {5, 4}), (Cells{{3, 4}, {4, 4}, {5, 4}}));
    EXPECT_EQ(lineCells({2, 4}, {2, 1}), (Cells{{2, 3}, {2, 2}, {2, 1}}));
    EXPECT_EQ(lineCells({2, 4}, {2, 4}), Cells{});
}

class RecordingPainter : public SelectionPainter {
public:
    void PaintSelectedCell(int col, int row) override { marked.push_back({col, row}); }
    void PaintUnselectedCell(int col, int row) override { unmarked.push_back({col, row}); }
    Cells marked;
    Cells unmarked;
};

// A 5 x 5 level holding 10 * row + column (1-based), with nodata at row 2, column 2.
class Selector : public ::testing::Test {
protected:
    Selector() {
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c) values.at(r, c) = 10 * (r + 1) + (c + 1);
        values.at(1, 1) = nodata;
    }
    Cells selected() const {
        Cells cells;
        for (const myPoint& point : selection.points) cells.push_back({point.x, point.y});
        return cells;
    }

    static constexpr double nodata = -9999;
    GridRows values{5, 5, 0.0};
    CellSelection selection;
    ProfileSeries profile;
    RecordingPainter painter;
    CellSelector selector{selection, profile, values, nodata, painter};
};

TEST_F(Selector, CtrlToggleTwiceRemovesThenAppendsTheProfilePoint) {
    selector.Single(1, 1);
    selector.Toggle(3, 1);
    ASSERT_EQ(profile.ys(), (std::vector<double>{11, 13}));
    selector.Toggle(3, 1);
    EXPECT_EQ(selected(), (Cells{{1, 1}}));
    EXPECT_EQ(profile.ys(), std::vector<double>{11});
    EXPECT_EQ(painter.unmarked, (Cells{{3, 1}}));
    selector.Toggle(3, 1);
    EXPECT_EQ(profile.ys(), (std::vector<double>{11, 13}));
    EXPECT_EQ(profile.xs(), (std::vector<double>{0, 1}));
}

TEST_F(Selector, UnselectingRemovesExactlyThatCellsPointAfterEarlierRemovals) {
    selector.Single(1, 1);
    selector.Toggle(2, 1);
    selector.Toggle(3, 1);
    selector.Toggle(4, 1);
    selector.Toggle(2, 1);  // the second point goes
    EXPECT_EQ(profile.xs(), (std::vector<double>{0, 2, 3}));
    // The fourth cell's point moved up; unselecting it takes that point, not another.
    selector.Toggle(4, 1);
    EXPECT_EQ(profile.ys(), (std::vector<double>{11, 13}));
    selector.Toggle(3, 1);
    EXPECT_EQ(profile.ys(), std::vector<double>{11});
    selector.Toggle(1, 1);
    EXPECT_EQ(profile.count(), 0);
    EXPECT_TRUE(selection.empty());
}

TEST_F(Selector, ThreePointsWithTheSecondUnselectedKeepTheirXAndANewPointTakesTheCount) {
    selector.Single(1, 1);
    selector.Toggle(2, 1);
    selector.Toggle(3, 1);
    selector.Toggle(2, 1);
    EXPECT_EQ(profile.xs(), (std::vector<double>{0, 2}));
    selector.Toggle(5, 5);
    EXPECT_EQ(profile.xs(), (std::vector<double>{0, 2, 2}));
    EXPECT_EQ(profile.ys(), (std::vector<double>{11, 13, 55}));
}

TEST_F(Selector, NodataCellsAreSelectedWithoutAProfilePoint) {
    selector.Single(2, 2);
    EXPECT_EQ(selected(), (Cells{{2, 2}}));
    EXPECT_EQ(selection.points[0].position, -1);
    EXPECT_EQ(profile.count(), 0);
    // Toggling it off touches no point of the series.
    selector.Toggle(1, 1);
    selector.Toggle(2, 2);
    EXPECT_EQ(profile.ys(), std::vector<double>{11});
}

TEST_F(Selector, SingleClickUnmarksFromTheEndAndStartsAFreshProfile) {
    selector.Single(1, 1);
    selector.Rectangle(2, 1);
    selector.Single(4, 4);
    EXPECT_EQ(painter.unmarked, (Cells{{2, 1}, {1, 1}}));
    EXPECT_EQ(selected(), (Cells{{4, 4}}));
    EXPECT_EQ(profile.ys(), std::vector<double>{44});
    EXPECT_EQ(profile.xs(), std::vector<double>{0});
}

TEST_F(Selector, RectanglesAndLinesNeedAnAnchorAndMayRepeatCells) {
    selector.Rectangle(3, 3);
    selector.Line(3, 3);
    EXPECT_TRUE(selection.empty());
    selector.Single(1, 1);
    selector.Line(5, 3);
    EXPECT_EQ(selected(), (Cells{{1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3}}));
    selector.Rectangle(4, 3);  // from the last cell, (5, 3)
    EXPECT_EQ(selected().back(), (GridCell{4, 3}));
    selector.Rectangle(5, 3);  // back over a selected cell: selected again
    EXPECT_EQ(selected().size(), 7u);
    EXPECT_EQ(profile.count(), 7);
}

TEST_F(Selector, DragAddsOnlyNewCellsToAStartedSelection) {
    selector.Drag(1, 1);
    EXPECT_TRUE(selection.empty());
    selector.Single(1, 1);
    selector.Drag(1, 1);
    selector.Drag(2, 1);
    selector.Drag(2, 1);
    EXPECT_EQ(selected(), (Cells{{1, 1}, {2, 1}}));
}

TEST_F(Selector, AJumpingDragSelectsTheLineBetweenInOrder) {
    selector.Single(1, 1);
    selector.DragAlong({1, 1}, {1, 4});  // (1, 2) and (1, 3) were jumped over
    EXPECT_EQ(selected(), (Cells{{1, 1}, {1, 2}, {1, 3}, {1, 4}}));
    selector.DragAlong({1, 4}, {5, 2});  // back up to the right, cells selected skipped
    EXPECT_EQ(selected(), (Cells{{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 3}, {3, 3}, {4, 2}, {5, 2}}));
    EXPECT_EQ(painter.marked.back(), (GridCell{5, 2}));
    // A move within a cell, or to a neighbour, is the drag of that one cell.
    selector.DragAlong({5, 2}, {5, 2});
    selector.DragAlong({5, 2}, {4, 1});
    EXPECT_EQ(selected().size(), 9u);
    EXPECT_EQ(selected().back(), (GridCell{4, 1}));
    // The nodata cell at (2, 2) is crossed and selected without a point, breaking the profile.
    selector.DragAlong({1, 2}, {3, 2});
    EXPECT_EQ(selected().back(), (GridCell{3, 2}));
    EXPECT_TRUE(profile.breaksBefore(profile.count() - 1));
}

TEST_F(Selector, NodataCellsBreakTheProfileBetweenThePointsAroundThem) {
    selector.Single(1, 2);
    selector.Line(4, 2);  // 21, nodata, 23, 24
    EXPECT_EQ(profile.ys(), (std::vector<double>{21, 23, 24}));
    EXPECT_FALSE(profile.breaksBefore(0));
    EXPECT_TRUE(profile.breaksBefore(1));
    EXPECT_FALSE(profile.breaksBefore(2));
    // Without its point the break stays before the next one.
    selector.Toggle(3, 2);
    EXPECT_EQ(profile.ys(), (std::vector<double>{21, 24}));
    EXPECT_TRUE(profile.breaksBefore(1));
    // A nodata cell first breaks nothing; a new single selection starts afresh.
    selector.Single(2, 2);
    selector.Toggle(1, 1);
    EXPECT_FALSE(profile.breaksBefore(0));
    selector.Toggle(3, 1);
    EXPECT_FALSE(profile.breaksBefore(1));
}

TEST_F(Selector, UnselectNotInRangeKeepsTheCellsInsideInOrder) {
    values.at(4, 4) = 0;
    selector.Single(1, 1);
    selector.Toggle(5, 5);
    selector.Toggle(3, 1);
    selector.Toggle(2, 1);
    // Without a range set: 0..0.
    CellSelection kept = selection;
    UnselectCellsNotInRange(kept, values, 0, 0);
    EXPECT_EQ(kept.points.size(), 1u);
    EXPECT_EQ(kept.points[0], (myPoint{5, 5, 0}));
    UnselectCellsNotInRange(selection, values, 12, 13);
    EXPECT_EQ(selected(), (Cells{{3, 1}, {2, 1}}));
    EXPECT_EQ(profile.count(), 4);  // the series is not touched
}

}  // namespace
