#include "FieldPreview.h"

#include <gtest/gtest.h>

#include <vector>

#include "FieldGenTesting.h"

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb MidColour = qRgb(255, 235, 255);

}  // namespace

TEST(PreviewColours, DepthTwoGivesPureRedBlueAndPinkWhiteAtMid) {
    const PreviewScale scale{-1.0, 0.0, 1.0};
    EXPECT_EQ(previewColour(0.001, scale, 2), Red);
    EXPECT_EQ(previewColour(0.999, scale, 2), Red);
    EXPECT_EQ(previewColour(-0.001, scale, 2), Blue);
    EXPECT_EQ(previewColour(-1.0, scale, 2), Blue);
    EXPECT_EQ(previewColour(0.0, scale, 2), MidColour);
}

TEST(PreviewColours, StepsOfTheFullDepth) {
    const PreviewScale scale{0.0, 128.0, 256.0};
    EXPECT_EQ(previewColour(256.0, scale, 256), Red);
    EXPECT_EQ(previewColour(0.0, scale, 256), Blue);
    // Halfway between min and mid: F = 64 / 128 = 0.5.
    EXPECT_EQ(previewColour(64.0, scale, 256), qRgb(180, 117, 255));
    // Halfway between mid and max likewise, mirrored.
    EXPECT_EQ(previewColour(192.0, scale, 256), qRgb(255, 166, 127));
    // With four colours a value just below mid falls to the lower step F = 0.5.
    EXPECT_EQ(previewColour(127.0, scale, 4), qRgb(180, 117, 255));
}

TEST(PreviewColours, AScaleWithoutWidthShowsTheMiddle) {
    const PreviewScale flat{2.0, 2.0, 2.0};
    EXPECT_EQ(previewColour(2.0, flat, 256), MidColour);
}

TEST(FieldPreview, TheStartingScaleComesFromMeanAndDeviation) {
    Matrix matrix(2, 2);
    FieldPreview preview;
    preview.setInitialValues(matrix.table(), 0, 2.0, 1.0, 2, 2, 0, 0, 0, 1);
    EXPECT_DOUBLE_EQ(preview.scale().min, -1.0);
    EXPECT_DOUBLE_EQ(preview.scale().max, 3.0);
    EXPECT_DOUBLE_EQ(preview.scale().mid, 1.0);
    preview.setInitialValues(matrix.table(), 1, 1.0, 0.0, 2, 2, 0, 0, 0, 1);
    EXPECT_DOUBLE_EQ(preview.scale().min, 0.1);
    EXPECT_DOUBLE_EQ(preview.scale().max, 10.0);
    EXPECT_DOUBLE_EQ(preview.scale().mid, 5.05);
    EXPECT_EQ(preview.colourDepth(), 256);
}

TEST(FieldPreview, ACellOutsideTheScaleWidensItByATwentiethAndRepaintsEverything) {
    Matrix matrix(4, 4);
    FieldPreview preview;
    preview.setInitialValues(matrix.table(), 0, 1.0, 0.0, 4, 4, 0, 0, 0, 1);
    preview.setBoxSize(QSize(40, 40));
    matrix.cells[1][1] = 0.5;
    preview.GridPaint(1, 1, 4, 1);  // row 1 inside the scale
    EXPECT_DOUBLE_EQ(preview.scale().max, 1.0);
    EXPECT_EQ(preview.paintedRange().startRow, 1);

    matrix.cells[2][3] = 3.0;
    preview.GridPaint(2, 1, 4, 2);
    // mid from the new ends, then max widened by (3 - (-1)) / 20.
    EXPECT_DOUBLE_EQ(preview.scale().mid, 1.0);
    EXPECT_DOUBLE_EQ(preview.scale().max, 3.2);
    EXPECT_DOUBLE_EQ(preview.scale().min, -1.0);
    EXPECT_EQ(preview.paintedRange().startRow, 1);
    EXPECT_EQ(preview.paintedRange().startCol, 1);

    matrix.cells[3][1] = -5.0;
    preview.GridPaint(3, 1, 4, 3);
    // mid = (-5 + 3.2) / 2; min widened by (3.2 - (-5)) / 20.
    EXPECT_DOUBLE_EQ(preview.scale().mid, -0.9);
    EXPECT_DOUBLE_EQ(preview.scale().min, -5.0 - 8.2 / 20.0);
    EXPECT_DOUBLE_EQ(preview.scale().max, 3.2);

    // Row 1, painted before the widening, shows its colour of the new scale.
    const QRgb expected = previewColour(0.5, preview.scale(), 256);
    EXPECT_EQ(preview.image().pixel(6, 6), expected);
}

TEST(FieldPreview, OnlyTheStepIsPaintedWhileTheScaleHolds) {
    Matrix matrix(2, 2);
    FieldPreview preview;
    preview.setInitialValues(matrix.table(), 0, 1.0, 0.0, 2, 2, 0, 0, 0, 1);
    preview.setBoxSize(QSize(30, 30));
    preview.GridPaint(1, 1, 2, 1);
    EXPECT_EQ(preview.paintedRange().startRow, 1);
    preview.GridPaint(2, 1, 1, 2);
    EXPECT_EQ(preview.paintedRange().startRow, 2);
    EXPECT_EQ(preview.paintedRange().endCol, 1);
    // Cell (2, 2) is not computed yet and stays white.
    EXPECT_EQ(preview.image().pixel(20, 20), qRgb(255, 255, 255));
    EXPECT_EQ(preview.image().pixel(6, 20), MidColour);
}

TEST(FieldPreview, CellsCoverThePixelsBetweenTheirEdges) {
    // W = 26, m = 4: x(c) = floor(c / 3 * 16) + 4, so the edges are 4, 9, 14, 20.
    Matrix matrix(1, 3);
    matrix.cells[1][1] = -1.0;
    matrix.cells[1][2] = 0.0;
    matrix.cells[1][3] = 1.0;
    FieldPreview preview;
    preview.setInitialValues(matrix.table(), 0, 1.0, 0.0, 1, 3, 0, 0, 0, 1);
    preview.setColourDepth(2);
    preview.setBoxSize(QSize(26, 26));
    preview.GridPaint(1, 1, 3, 1);
    const QImage& image = preview.image();
    const int y = 10;
    EXPECT_EQ(image.pixel(4, y), qRgb(0, 0, 0));  // the frame
    for (int x = 5; x <= 9; ++x) EXPECT_EQ(image.pixel(x, y), Blue) << x;
    for (int x = 10; x <= 14; ++x) EXPECT_EQ(image.pixel(x, y), MidColour) << x;
    for (int x = 15; x <= 20; ++x) EXPECT_EQ(image.pixel(x, y), Red) << x;
    EXPECT_EQ(image.pixel(21, y), qRgb(0, 0, 0));  // the frame's right edge
    EXPECT_EQ(image.pixel(2, y), qRgb(255, 255, 255));
    // The rows: y(1) = floor(16) + 4 = 20, so cells reach from 5 down to 20.
    EXPECT_EQ(image.pixel(10, 5), MidColour);
    EXPECT_EQ(image.pixel(10, 20), MidColour);
    EXPECT_EQ(image.pixel(10, 21), qRgb(0, 0, 0));
}

TEST(FieldPreview, ARescanFitsTheScaleToTheComputedCells) {
    Matrix matrix(2, 2);
    matrix.cells[1][1] = 0.2;
    matrix.cells[1][2] = 0.4;
    matrix.cells[2][1] = 9.0;  // not computed yet
    FieldPreview preview;
    preview.setInitialValues(matrix.table(), 0, 1.0, 0.0, 2, 2, 0, 0, 0, 1);
    preview.setBoxSize(QSize(30, 30));
    preview.GridPaint(1, 1, 2, 1);
    preview.rescan();
    EXPECT_DOUBLE_EQ(preview.scale().min, 0.2);
    EXPECT_DOUBLE_EQ(preview.scale().max, 0.4);
    EXPECT_DOUBLE_EQ(preview.scale().mid, 0.30000000000000004);
    // A rescan that finds values beyond the previous ends widens them by a twentieth.
    matrix.cells[1][2] = 0.6;
    preview.rescan();
    EXPECT_DOUBLE_EQ(preview.scale().max, 0.6 + 0.4 / 20.0);
}

TEST(FieldPreview, TheBoxKeepsTheGridsProportionsInsideThePanel) {
    // Wider than high: as wide as the panel (less 2), proportionally lower, centred.
    EXPECT_EQ(FieldPreview::boxGeometry(QSize(128, 128), 50, 100), QRect(2, 30, 126, 67));
    // Higher than wide: as high as the panel, proportionally narrower, centred.
    EXPECT_EQ(FieldPreview::boxGeometry(QSize(128, 128), 100, 50), QRect(30, 2, 67, 126));
    EXPECT_EQ(FieldPreview::boxGeometry(QSize(128, 128), 100, 100), QRect(1, 2, 126, 126));
}
