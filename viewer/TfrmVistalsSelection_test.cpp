#include "CellSelectionTesting.h"

namespace {

// 5 x 5 cells holding 100 * row + column (0-based); row 3, column 2 (1-based) is nodata.
class WindowSelection : public CellSelectionTest {
protected:
    void SetUp() override { load(numberedGrid(5, 5, {{2, 1}})); }
};

}  // namespace

TEST_F(WindowSelection, CtrlClickTwiceUnselectsAndAddsTheProfilePointAgain) {
    clickCell(1, 1);
    clickCell(3, 1, Qt::ControlModifier);
    EXPECT_TRUE(marked(3, 1));
    EXPECT_EQ(profileY(), (std::vector<double>{0, 2}));
    clickCell(3, 1, Qt::ControlModifier);
    EXPECT_FALSE(marked(3, 1));
    EXPECT_TRUE(marked(1, 1));
    EXPECT_EQ(profileY(), std::vector<double>{0});
    EXPECT_EQ(copied(), "1:1:0;");
    clickCell(3, 1, Qt::ControlModifier);
    EXPECT_TRUE(marked(3, 1));
    EXPECT_EQ(profileY(), (std::vector<double>{0, 2}));
    EXPECT_EQ(profileX(), (std::vector<double>{0, 1}));
}

TEST_F(WindowSelection, AnUnmarkedCellShowsItsColourAgainAtOnce) {
    const QPoint inside = markCorner(2, 2) + QPoint(1, 1);
    const QRgb before = pixel(inside);
    clickCell(2, 2);
    EXPECT_EQ(pixel(inside), MarkGreen);
    clickCell(2, 2, Qt::ControlModifier);
    EXPECT_EQ(pixel(inside), before);
}

TEST_F(WindowSelection, ShiftClickSelectsTheRectangleRowByRowFromTheAnchor) {
    clickCell(3, 3);
    clickCell(1, 5, Qt::ShiftModifier);
    EXPECT_EQ(copied(),
              "3:3:202;3:2:-9999;3:1:200;\n4:3:302;4:2:301;4:1:300;\n5:3:402;5:2:401;5:1:400;");
    for (int row = 3; row <= 5; ++row)
        for (int col = 1; col <= 3; ++col) EXPECT_TRUE(marked(col, row)) << col << "," << row;
    EXPECT_FALSE(marked(4, 3));
    // The nodata cell adds no profile point.
    EXPECT_EQ(profileY(), (std::vector<double>{202, 200, 302, 301, 300, 402, 401, 400}));
}

TEST_F(WindowSelection, CtrlShiftClickSelectsTheLineWithHalvesRoundedDown) {
    clickCell(1, 1);
    clickCell(5, 3, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(copied(), "1:1:0;1:2:1;\n2:3:102;2:4:103;\n3:5:204;");
    EXPECT_TRUE(marked(3, 2));
    EXPECT_FALSE(marked(3, 1));
}

TEST_F(WindowSelection, ShiftAndCtrlShiftWithoutASelectionDoNothing) {
    clickCell(2, 2, Qt::ShiftModifier);
    clickCell(2, 2, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(copied(), "");
    EXPECT_FALSE(marked(2, 2));
}

TEST_F(WindowSelection, PlainClickOnNodataSelectsItWithoutAProfilePoint) {
    clickCell(1, 1);
    clickCell(2, 3);
    EXPECT_EQ(copied(), "3:2:-9999;");
    EXPECT_TRUE(marked(2, 3));
    EXPECT_FALSE(marked(1, 1));
    EXPECT_EQ(series()->count(), 0);
}

TEST_F(WindowSelection, AClickOutsideTheGridChangesNothing) {
    clickCell(1, 1);
    const ViewWindow view = shown();
    ASSERT_LT(view.DrawWidth + 5, picture()->width());
    QTest::mouseClick(picture(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(view.DrawWidth + 3, view.DrawHeight / 2));
    EXPECT_EQ(copied(), "1:1:0;");
    EXPECT_TRUE(marked(1, 1));
    EXPECT_EQ(profileY(), std::vector<double>{0});
}

TEST_F(WindowSelection, OtherButtonsAndAltClicksSelectNothing) {
    QTest::mouseClick(picture(), Qt::RightButton, Qt::NoModifier, centre(2, 2));
    QTest::mouseClick(picture(), Qt::LeftButton, Qt::AltModifier | Qt::ControlModifier,
                      centre(2, 2));
    EXPECT_EQ(copied(), "");
    // Alt alone zooms in around the cell and selects nothing.
    QTest::mouseClick(picture(), Qt::LeftButton, Qt::AltModifier, centre(3, 3));
    EXPECT_EQ(copied(), "");
    EXPECT_NE(shownColumns(), (std::set<int>{1, 2, 3, 4, 5}));
}

TEST_F(WindowSelection, DraggingAddsNewCellsUntilTheButtonIsReleased) {
    press(centre(1, 1));
    dragTo(centre(2, 1));
    dragTo(centre(2, 1));
    dragTo(centre(2, 2));
    dragTo(centre(1, 1));
    release(centre(2, 2));
    dragTo(centre(3, 3));
    // Without the button held nothing is added either.
    press(centre(4, 4));
    dragTo(centre(5, 5), Qt::NoButton);
    release(centre(4, 4));
    EXPECT_EQ(copied(), "4:4:303;");
    press(centre(1, 1));
    dragTo(centre(2, 1));
    dragTo(centre(2, 2));
    EXPECT_EQ(copied(), "1:1:0;1:2:1;\n2:2:101;");
    EXPECT_TRUE(marked(2, 2));
    EXPECT_EQ(profileY(), (std::vector<double>{0, 1, 101}));
}

TEST_F(WindowSelection, MarksSurviveRepaintsAndUnselectAllClearsThem) {
    clickCell(2, 2);
    clickCell(4, 4, Qt::ControlModifier);
    action("miFitPage")->trigger();
    action("miDrawGridLines")->trigger();
    EXPECT_TRUE(marked(2, 2));
    EXPECT_TRUE(marked(4, 4));
    key(&window, Qt::Key_U, Qt::ControlModifier);
    EXPECT_FALSE(marked(2, 2));
    EXPECT_FALSE(marked(4, 4));
    EXPECT_EQ(copied(), "");
    // The profile keeps its points.
    EXPECT_EQ(profileY(), (std::vector<double>{101, 303}));
}

TEST_F(WindowSelection, UnselectNotInRangeWithoutARangeKeepsOnlyZeros) {
    clickCell(2, 1);
    clickCell(1, 1, Qt::ControlModifier);
    clickCell(3, 3, Qt::ControlModifier);
    key(&window, Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(copied(), "1:1:0;");
    EXPECT_TRUE(marked(1, 1));
    EXPECT_FALSE(marked(2, 1));
    EXPECT_EQ(profileY(), (std::vector<double>{1, 0, 202}));
}

TEST_F(WindowSelection, ThreePointsWithTheSecondUnselectedThenANewOne) {
    clickCell(1, 1);
    clickCell(2, 1, Qt::ControlModifier);
    clickCell(3, 1, Qt::ControlModifier);
    clickCell(2, 1, Qt::ControlModifier);
    EXPECT_EQ(profileX(), (std::vector<double>{0, 2}));
    EXPECT_EQ(profileY(), (std::vector<double>{0, 2}));
    clickCell(4, 1, Qt::ControlModifier);
    EXPECT_EQ(profileX(), (std::vector<double>{0, 2, 2}));
    EXPECT_EQ(profileY(), (std::vector<double>{0, 2, 3}));
    // Each cell still takes away its own point.
    clickCell(4, 1, Qt::ControlModifier);
    clickCell(1, 1, Qt::ControlModifier);
    EXPECT_EQ(profileY(), std::vector<double>{2});
}

TEST_F(WindowSelection, LoadingAGridClearsTheSelectionAndTheProfile) {
    clickCell(2, 2);
    clickCell(3, 3, Qt::ControlModifier);
    add(file("other.asc", numberedGrid(5, 5)));
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    click(1);
    ASSERT_EQ(list()->currentRow(), 1);
    EXPECT_EQ(series()->count(), 0);
    EXPECT_EQ(copied(), "");
    EXPECT_FALSE(marked(2, 2));
}

namespace {

// 10 x 10 cells holding 100 * row + column (0-based).
class WindowDrag : public CellSelectionTest {
protected:
    void SetUp() override { load(numberedGrid(10, 10)); }
};

}  // namespace

TEST_F(WindowDrag, AJumpOverCellsSelectsTheCellsBetweenInDragOrder) {
    press(centre(8, 7));
    dragTo(centre(8, 9));
    dragTo(centre(4, 7));
    release(centre(4, 7));
    // (8, 8) lay between the first two events; the jump back runs along the line from (8, 9)
    // to (4, 7), one cell per column, without the cells selected already.
    EXPECT_EQ(copied(), "7:8:607;\n8:8:707;\n9:8:807;\n8:7:706;8:6:705;\n7:5:604;7:4:603;");
    EXPECT_EQ(profileY(), (std::vector<double>{607, 707, 807, 706, 705, 604, 603}));
    EXPECT_TRUE(marked(8, 8));
}

TEST_F(WindowDrag, SlowDragsSelectWhatThePointerCrosses) {
    press(centre(2, 2));
    dragTo(centre(2, 2) + QPoint(2, 1));
    dragTo(centre(3, 3));
    dragTo(centre(3, 3));
    dragTo(centre(2, 2));
    dragTo(centre(3, 2));
    release(centre(3, 2));
    EXPECT_EQ(copied(), "2:2:101;\n3:3:202;\n2:3:102;");
}

TEST_F(WindowDrag, ADragLeavingTheGridGoesOnFromWhereItComesBack) {
    const ViewWindow view = shown();
    ASSERT_LT(view.DrawWidth + 5, picture()->width());
    press(centre(9, 2));
    dragTo(QPoint(view.DrawWidth + 3, centre(9, 2).y()));
    dragTo(centre(10, 5));
    release(centre(10, 5));
    EXPECT_EQ(copied(), "2:9:108;\n5:10:409;");
}

TEST_F(WindowSelection, UnselectedMarksGoFromTransparentNodataWithoutErasing) {
    // Nodata transparent (as at start) and "Erase old Grid" off: the mark of the nodata cell
    // at column 2, row 3 must not stay on the picture once the cell is no longer selected.
    ASSERT_TRUE(action("miNodataTransparent")->isChecked());
    key(&window, Qt::Key_E, Qt::ControlModifier);
    ASSERT_FALSE(action("miEraseGrid")->isChecked());
    const QPoint inside = markCorner(2, 3) + QPoint(1, 1);
    const QRgb before = pixel(inside);
    clickCell(2, 3);
    clickCell(4, 4, Qt::ControlModifier);
    ASSERT_EQ(pixel(inside), MarkGreen);
    key(&window, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(pixel(inside), before);
    EXPECT_FALSE(marked(4, 4));

    // The same after Change Value and another grid shown over this one.
    clickCell(2, 3);
    dialogs.inputAnswers.push_back(QStringLiteral("-9999"));
    key(&window, Qt::Key_F5);
    EXPECT_EQ(pixel(inside), before);
    clickCell(2, 3);
    add(file("other.asc", numberedGrid(5, 5, {{2, 1}})));
    dialogs.questionAnswers.push_back(UserDialogs::Answer::No);
    click(1);
    ASSERT_EQ(list()->currentRow(), 1);
    EXPECT_EQ(pixel(inside), before);
}
