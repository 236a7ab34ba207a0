#include "SelectionMarks.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb Green = 0xFF008000;
constexpr QRgb Background = 0xFF123456;

// A 4 x 4 level shown whole in a 40 x 40 picture (cells of 10 x 10 pixels), with two classes
// mapping values 0..1 from black to white; the cell at row 1, column 3 is nodata.
class Marks : public ::testing::Test {
protected:
    Marks() {
        values.at(0, 2) = nodata;
        window.DrawWidth = 40;
        window.DrawHeight = 40;
        classes.ClassBounds = {0, 1};
        classes.LegendColours = {Colour(0x000000), Colour(0xFFFFFF)};
        classes.DiscontinuousColors = true;
        picture.fill(Background);
        settings.ButtonFace = Colour(0x0000FF);  // red
    }
    SelectionMarks marks() {
        return SelectionMarks(picture, window, values, nodata, classes, settings);
    }
    QRgb at(int x, int y) const { return picture.pixel(x, y); }

    static constexpr double nodata = -9999;
    GridRows values{4, 4, 0.0};
    ViewWindow window{0, 4, 0, 4, 0, 0};
    ColourClasses classes;
    MarkSettings settings;
    QImage picture{41, 41, QImage::Format_RGB32};
};

TEST_F(Marks, AMarkIsATwoPixelGreenFrameAroundTheCellColour) {
    marks().PaintSelectedCell(2, 1);  // pixels 10..19 x 0..9
    for (int y = 0; y <= 9; ++y) {
        EXPECT_EQ(at(10, y), Green) << y;
        EXPECT_EQ(at(11, y), Green) << y;
        EXPECT_EQ(at(18, y), Green) << y;
        EXPECT_EQ(at(19, y), Green) << y;
    }
    EXPECT_EQ(at(14, 0), Green);
    EXPECT_EQ(at(14, 1), Green);
    EXPECT_EQ(at(14, 8), Green);
    EXPECT_EQ(at(12, 2), 0xFF000000u);  // the cell's own colour inside
    EXPECT_EQ(at(17, 7), 0xFF000000u);
    // Nothing beyond the cell.
    EXPECT_EQ(at(9, 5), Background);
    EXPECT_EQ(at(20, 5), Background);
    EXPECT_EQ(at(14, 10), Background);
}

TEST_F(Marks, AnUnmarkCoversTheMarkAndOnePixelBeforeIt) {
    settings.DrawGridLines = true;
    SelectionMarks painter = marks();
    painter.PaintSelectedCell(2, 2);  // pixels 10..19 x 10..19
    painter.PaintUnselectedCell(2, 2);
    // Filled over 9..19 x 9..19; the grid-line frame is gray on its edges.
    EXPECT_EQ(at(9, 9), 0xFF808080u);
    EXPECT_EQ(at(19, 15), 0xFF808080u);
    EXPECT_EQ(at(15, 19), 0xFF808080u);
    EXPECT_EQ(at(10, 10), 0xFF000000u);
    EXPECT_EQ(at(18, 18), 0xFF000000u);
    EXPECT_EQ(at(20, 15), Background);
    EXPECT_EQ(at(15, 20), Background);
    EXPECT_EQ(at(8, 15), Background);
}

TEST_F(Marks, NodataCellsTakeTheButtonFaceAndTheSilverFrame) {
    settings.DrawGridLines = true;
    SelectionMarks painter = marks();
    painter.PaintSelectedCell(3, 1);
    EXPECT_EQ(at(25, 5), 0xFFFF0000u);
    painter.PaintUnselectedCell(3, 1);
    EXPECT_EQ(at(25, 5), 0xFFFF0000u);
    EXPECT_EQ(at(29, 5), 0xFFC0C0C0u);
    EXPECT_EQ(at(19, 5), 0xFFC0C0C0u);
    // Without grid lines the whole area takes the cell's colour.
    settings.DrawGridLines = false;
    marks().PaintUnselectedCell(3, 1);
    EXPECT_EQ(at(29, 5), 0xFFFF0000u);
}

TEST_F(Marks, CellsBelowAPixelStillShowATwoByTwoMarkThatTheUnmarkTakesAway) {
    window.DrawWidth = 2;  // half a pixel per cell
    window.DrawHeight = 2;
    SelectionMarks painter = marks();
    painter.PaintSelectedCell(3, 3);  // left = trunc(2 * 0.5) = 1
    EXPECT_EQ(at(1, 1), Green);
    EXPECT_EQ(at(2, 2), Green);
    EXPECT_EQ(at(3, 3), Background);
    painter.PaintUnselectedCell(3, 3);
    EXPECT_EQ(at(1, 1), 0xFF000000u);
    EXPECT_EQ(at(2, 2), 0xFF000000u);
}

TEST_F(Marks, MarksOutsideThePictureAndTheWindowAreClippedOrSkipped) {
    window = ViewWindow{1, 3, 1, 3, 40, 40};  // cells of 20 x 20 pixels, rows and columns 2..3
    CellSelection selection;
    selection.points = {{1, 1, -1}, {4, 4, -1}, {3, 3, -1}};
    marks().PaintAllSelected(selection);
    EXPECT_EQ(at(0, 0), Background);  // (1, 1) lies before the window
    EXPECT_EQ(at(20, 20), Green);     // (3, 3) is the second shown cell
    EXPECT_EQ(at(39, 39), Green);
    EXPECT_EQ(at(40, 40), Background);  // (4, 4) lies after it
    marks().PaintUnselectedCell(2, 2);  // starts at -1: clipped to the picture
    EXPECT_EQ(at(0, 0), 0xFF000000u);
}

}  // namespace
