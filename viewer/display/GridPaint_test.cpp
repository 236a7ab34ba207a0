#include "GridPaint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ClassBounds.h"
#include "PaletteSet.h"
#include "ReferenceGridPaint.h"

namespace {

constexpr double Nodata = -9999;
constexpr QRgb Silver = 0xFFC0C0C0, Gray = 0xFF808080, Old = 0xFF112233;
const Colour Face(0xF0E0D0);

// Bounds 0..20 in steps with a distinct colour per class: value k shows class k.
ColourClasses stepClasses() {
    ColourClasses classes;
    for (int k = 0; k <= 20; ++k) {
        classes.ClassBounds.push_back(k);
        classes.LegendColours.push_back(Colour::fromRgb(10 * k, 100, 250 - 10 * k));
    }
    classes.DiscontinuousColors = true;
    return classes;
}

QRgb classPixel(int k) { return stepClasses().LegendColours[k].argb(); }

QImage picture(int width, int height, QRgb fill = Old) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

PaintSettings settings(bool erase, bool lines, bool transparent) {
    return {erase, lines, transparent, Face};
}

// Paints the whole grid (or `window`) into `image` and returns the window with its size.
ViewWindow paint(QImage& image, const GridRows& values, const PaintSettings& s,
                 ViewWindow window = {}) {
    if (window.isEmpty()) FitPage(window, values.rowCount(), values.columnCount());
    GridPaint(image, values, Nodata, window, stepClasses(), s);
    return window;
}

// Cell by cell, straight from the description, with per-pixel clipping.
void paintCellByCell(QImage& image, const GridRows& values, ViewWindow& w,
                     const ColourClasses& classes, const PaintSettings& s) {
    FitWindow(w, image.width(), image.height());
    const auto fill = [&](int l, int t, int r, int b, QRgb pixel) {
        for (int y = std::max(t, 0); y < std::min(b, image.height()); ++y)
            for (int x = std::max(l, 0); x < std::min(r, image.width()); ++x)
                image.setPixel(x, y, pixel);
    };
    if (s.EraseGrid) image.fill(Silver);
    int yTop = 0;
    for (int i = w.FirstRow; i < w.LastRow; ++i) {
        const int yBottom = std::floor(double(w.DrawHeight) * (i + 1 - w.FirstRow) / w.rowCount());
        if (yBottom == yTop) continue;
        int xLeft = 0;
        for (int j = w.FirstCol; j < w.LastCol; ++j) {
            const int xRight =
                std::floor(double(w.DrawWidth) * (j + 1 - w.FirstCol) / w.columnCount());
            if (xRight == xLeft) continue;
            const double v = values.at(i, j);
            if (v != Nodata || !s.NodataTransparent) {
                fill(xLeft, yTop, xRight, yBottom,
                     v == Nodata ? s.ButtonFace.argb() : GetColorDyn(v, classes).argb());
                if (s.DrawGridLines && xRight - 2 > xLeft && yBottom - 2 > yTop) {
                    const QRgb line = v == Nodata ? Silver : Gray;
                    fill(xLeft - 1, yTop - 1, xRight, yTop, line);
                    fill(xLeft - 1, yBottom - 1, xRight, yBottom, line);
                    fill(xLeft - 1, yTop - 1, xLeft, yBottom, line);
                    fill(xRight - 1, yTop - 1, xRight, yBottom, line);
                }
            }
            xLeft = xRight;
        }
        yTop = yBottom;
    }
}

}  // namespace

TEST(PaintFit, TheTwoFitFormulasDifferByOneRowAndColumn) {
    ViewWindow window{0, 10, 0, 10};
    FitWindow(window, 501, 301);
    EXPECT_EQ(window.DrawWidth, 300);
    EXPECT_EQ(window.DrawHeight, 300);
    // One row of ten columns in a low box: 170 pixels wide in a 101 pixel box, clipped.
    QImage image = picture(101, 18);
    EXPECT_EQ(paint(image, GridRows(1, 10, 3.0), settings(true, false, true)).DrawWidth, 170);
    EXPECT_EQ(image.pixel(100, 16), classPixel(3));
    EXPECT_EQ(image.pixel(100, 17), Silver);
}

// A paint box of no height gives no picture: a negative size would map pixels to cells the
// wrong way round in the readout and the zoom.
TEST(PaintFit, ABoxWithoutRoomGivesNoPicture) {
    for (const QSize box : {QSize(200, 0), QSize(200, 1), QSize(1, 200), QSize(0, 0)}) {
        ViewWindow window{0, 10, 0, 10};
        FitWindow(window, box.width(), box.height());
        EXPECT_FALSE(window.hasPicture()) << box.width() << "x" << box.height();
        EXPECT_EQ(window.DrawWidth, 0);
        EXPECT_EQ(window.DrawHeight, 0);
    }
}

TEST(GridPaint, NodataIsTransparentOverTheEarlierPictureOrButtonFace) {
    const GridRows values(2, 2, 7.0), holes(2, 2, Nodata);
    QImage image = picture(5, 5);
    paint(image, values, settings(true, false, true));
    paint(image, holes, settings(false, false, true));
    EXPECT_EQ(image.pixel(3, 1), classPixel(7));  // the first grid shows through
    paint(image, holes, settings(false, false, false));
    EXPECT_EQ(image.pixel(3, 1), Face.argb());
}

TEST(GridPaint, SubPixelCellsShowTheLastRowAndColumnOfEachPixel) {
    // 4000 columns on 100 pixels: pixel p shows column 40 p + 39; 40 rows on 1 pixel: row 39.
    GridRows values(40, 4000, Nodata);
    for (int p = 0; p < 100; ++p) values.at(39, 40 * p + 39) = p % 20;
    QImage image = picture(101, 2);
    ASSERT_EQ(paint(image, values, settings(true, false, false)).DrawHeight, 1);
    for (int p = 0; p < 100; ++p) EXPECT_EQ(image.pixel(p, 0), classPixel(p % 20)) << p;
}

TEST(GridLines, FramesInCellOrderSilverAroundNodataNoneUnderTwoPixels) {
    GridRows values(3, 3, 4.0);  // cells of 3 x 3 pixels
    values.at(1, 1) = Nodata;
    QImage image = picture(10, 10);
    paint(image, values, settings(true, true, false));
    // Gray lines on every third pixel; of the middle frame only the left and top edges stay
    // silver, the next cells' frames cover the others.
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool middle = (x == 2 && y >= 2 && y <= 4) || (y == 2 && x >= 2 && x <= 4);
            const bool line = x % 3 == 2 || y % 3 == 2;
            const QRgb inside = x / 3 == 1 && y / 3 == 1 ? Face.argb() : classPixel(4);
            EXPECT_EQ(image.pixel(x, y), middle ? Silver : line ? Gray : inside) << x << "," << y;
        }
}

TEST(GridPaint, WindowsOutsideTheGridOrEmptyDrawNothing) {
    for (ViewWindow w : {ViewWindow{0, 4, 0, 3}, ViewWindow{0, 3, -1, 3}, ViewWindow{1, 1, 0, 3}}) {
        QImage image = picture(10, 10);
        GridPaint(image, GridRows(3, 3, 1.0), Nodata, w, stepClasses(),
                  settings(true, true, false));
        EXPECT_EQ(w.DrawWidth, 0);
        EXPECT_EQ(image, picture(10, 10));
    }
}

// The scanline painter against the cell-by-cell painter: merged rows and columns, grid lines,
// nodata in both modes, continuous colours, clipping, tiny boxes, other picture formats.
TEST(GridPaint, EqualsPaintingCellByCell) {
    std::mt19937 random(11);
    const auto below = [&](int n) { return static_cast<int>(random() % n); };
    for (int round = 0; round < 400; ++round) {
        const int rows = 1 + below(30), columns = 1 + below(30);
        GridRows values(rows, columns);
        for (int i = 0; i < rows * columns; ++i)
            values.data()[i] = below(5) == 0 ? Nodata : below(2100) / 100.0;
        const int firstRow = below(rows), firstCol = below(columns);
        ViewWindow window{firstRow, firstRow + 1 + below(rows - firstRow), firstCol,
                          firstCol + 1 + below(columns - firstCol)};
        ColourClasses classes = stepClasses();
        classes.DiscontinuousColors = below(2) == 0;
        const PaintSettings s = settings(below(2) == 0, below(3) != 0, below(2) == 0);
        // Any format: the painter converts to RGB32.
        QImage expected = picture(1 + below(80), 1 + below(80));
        for (int y = 0; y < expected.height(); ++y)  // an earlier picture that shows through
            for (int x = 0; x < expected.width(); ++x) expected.setPixel(x, y, random());
        QImage actual = expected.convertToFormat(QImage::Format_ARGB32);
        ViewWindow expectedWindow = window;
        paintCellByCell(expected, values, expectedWindow, classes, s);
        GridPaint(actual, values, Nodata, window, classes, s);
        ASSERT_EQ(window.DrawWidth, expectedWindow.DrawWidth) << round;
        ASSERT_EQ(window.DrawHeight, expectedWindow.DrawHeight) << round;
        ASSERT_EQ(actual, expected) << round;
    }
}

namespace {

// A terrain with noise, nodata patches and a stretch of equal values.
GridRows terrain(int rows, int columns, std::mt19937& random) {
    std::uniform_real_distribution<double> noise(-3, 3);
    GridRows values(rows, columns);
    const double holes = random() % 4 * 0.1;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j) {
            const bool hole = std::sin(i * 0.05 + j * 0.02) + std::cos(j * 0.07) < -2 + holes * 3;
            values.at(i, j) =
                hole         ? Nodata
                : j % 97 < 5 ? 250
                             : 200 + 100 * std::sin(i * 0.01) * std::cos(j * 0.013) + noise(random);
        }
    return values;
}

// The colours of a built-in palette at some gamma, maybe inverted, with bounds from the value
// range and mean of the grid, or from a range that cuts it.
ColourClasses paletteClasses(const GridRows& values, std::mt19937& random) {
    GridStatistics statistics;
    statistics.Minimum = 1e300;
    statistics.Maximum = -1e300;
    double sum = 0;
    int count = 0;
    for (std::size_t k = 0; k < values.cellCount(); ++k) {
        const double v = values.data()[k];
        if (v == Nodata) continue;
        statistics.Minimum = std::min(statistics.Minimum, v);
        statistics.Maximum = std::max(statistics.Maximum, v);
        sum += v;
        ++count;
    }
    statistics.Average = count ? sum / count : 0;
    PaletteSet palettes;
    palettes.BuildPalettes(0.2 + random() % 10 * 0.2);
    const int palette = static_cast<int>(random() % 6);
    if (random() % 3 == 0) palettes.InvertPalette(palette);
    const bool range = random() % 4 == 0;
    ColourClasses classes;
    classes.ClassBounds = UpdateLegendValues(statistics, range, 180, 260).ClassBounds;
    classes.LegendColours = palettes.Palettes[static_cast<std::size_t>(palette)];
    classes.DiscontinuousColors = random() % 2 == 0;
    return classes;
}

}  // namespace

// Bands of rows painted by threads of their own give the picture of the painting on one thread
// cell after cell: whole grids merged into few pixels, zoomed windows whose grid lines cross
// the bands, nodata over an earlier picture or in the button face, real palettes blended or in
// steps, pictures down to a few lines.
TEST(GridPaint, EveryNumberOfThreadsPaintsTheOneThreadPicture) {
    std::mt19937 random(29);
    const auto below = [&](int n) { return static_cast<int>(random() % n); };
    for (int round = 0; round < 60; ++round) {
        const bool big = round == 0;
        const int rows = big ? 1500 : 20 + below(500);
        const int columns = big ? 1200 : 20 + below(500);
        const GridRows values = terrain(rows, columns, random);
        ViewWindow window{0, rows, 0, columns};
        if (round % 3 == 1) {  // zoomed in: cells of several pixels
            const int height = 2 + below(30), width = 2 + below(30);
            window.FirstRow = below(rows - height);
            window.LastRow = window.FirstRow + height;
            window.FirstCol = below(columns - width);
            window.LastCol = window.FirstCol + width;
        }
        const ColourClasses classes = paletteClasses(values, random);
        const PaintSettings s =
            settings(below(2) == 0, round % 3 == 1 || below(4) == 0, below(2) == 0);
        QImage before = big ? picture(700, 500) : picture(2 + below(400), 2 + below(300));
        for (int y = 0; y < before.height(); ++y)  // an earlier picture that shows through
            for (int x = 0; x < before.width(); ++x) before.setPixel(x, y, random());
        QImage expected = before;
        ViewWindow expectedWindow = window;
        ReferenceGridPaint(expected, values, Nodata, expectedWindow, classes, s);
        for (int workers : {0, 1, 2, 3, 4, 7}) {
            PaintSettings threaded = s;
            threaded.Workers = workers;
            QImage actual = before;
            ViewWindow actualWindow = window;
            GridPaint(actual, values, Nodata, actualWindow, classes, threaded);
            ASSERT_EQ(actualWindow.DrawWidth, expectedWindow.DrawWidth) << round;
            ASSERT_EQ(actualWindow.DrawHeight, expectedWindow.DrawHeight) << round;
            ASSERT_EQ(actual, expected) << "round " << round << ", " << workers << " threads";
        }
    }
}
