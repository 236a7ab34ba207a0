#include "ArrowOverlay.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>

#include "ArrowCulling.h"
#include "ArrowShape.h"
#include "GridPaint.h"
#include "ReferenceArrowOverlay.h"
#include "SineCosine.h"

namespace {

constexpr double Nodata = -9999;
constexpr QRgb White = 0xFFFFFFFF;
const QRgb Red = Colour::fromRgb(255, 15, 15).argb();

QImage whitePicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

ViewWindow windowOf(int firstRow, int lastRow, int firstCol, int lastCol, int width, int height) {
    ViewWindow view;
    view.FirstRow = firstRow;
    view.LastRow = lastRow;
    view.FirstCol = firstCol;
    view.LastCol = lastCol;
    view.DrawWidth = width;
    view.DrawHeight = height;
    return view;
}

ArrowGrids gridsOf(int rows, int columns, double direction, double magnitude, double max) {
    ArrowGrids arrows;
    arrows.prepare(rows, columns);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j) {
            arrows.ArrowDirection->at(i, j) = direction;
            arrows.ArrowMagnitude->at(i, j) = magnitude;
        }
    arrows.ArrowMaxMagnitude = max;
    return arrows;
}

// The overlay as the painter draws it: one arrow after the other in cell order, each with its
// own pen, through the painter's own line drawing.
QImage paintedOverlay(QImage picture, const ArrowGrids& arrows, const ViewWindow& view,
                      ArrowStart start, const ArrowOptions& options) {
    QPainter painter(&picture);
    const int cols = view.LastCol - view.FirstCol;
    const int rows = view.LastRow - view.FirstRow;
    const int ox =
        start == ArrowStart::CellCentre ? -int(std::floor(double(view.DrawWidth) / cols * 0.5)) : 0;
    const int oy = start == ArrowStart::CellCentre
                       ? -int(std::floor(double(view.DrawHeight) / rows * 0.5))
                       : 0;
    for (int i = view.FirstRow; i < view.LastRow; ++i) {
        for (int j = view.FirstCol; j < view.LastCol; ++j) {
            const double m = arrows.ArrowMagnitude->at(i, j);
            const double d = arrows.ArrowDirection->at(i, j);
            if (m == Nodata || d == Nodata) continue;
            const int x =
                int(std::floor(double(view.DrawWidth) * (j + 1 - view.FirstCol) / cols)) + ox;
            const int y =
                int(std::floor(double(view.DrawHeight) * (i + 1 - view.FirstRow) / rows)) + oy;
            const ArrowShape shape =
                ArrowShapeFor(ScreenAngleOf(d), m, arrows.ArrowMaxMagnitude, options);
            if (shape.tip == QPoint(0, 0)) continue;
            painter.setPen(QPen(ArrowColourFor(m, arrows.ArrowMaxMagnitude).toQColor(),
                                options.ArrowThickness, Qt::SolidLine, Qt::SquareCap));
            const QPoint from(x, y);
            const QPoint tip = from + shape.tip;
            painter.drawLine(from, tip);
            painter.drawLine(tip, from + shape.head1);
            painter.drawLine(tip, from + shape.head2);
        }
    }
    painter.end();
    return picture;
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) count += (a.pixel(x, y) != b.pixel(x, y));
    return count;
}

TEST(ArrowShape, StartOptionsGiveSixtyAndTenPixelArrows) {
    const ArrowOptions options;
    const ArrowShape longest = ArrowShapeFor(0.0, 4.0, 4.0, options);
    EXPECT_EQ(longest.tip, QPoint(60, 0));
    ASSERT_TRUE(longest.hasHead);
    // cos(pi/7) * 5 = 4.50, sin(pi/7) * 5 = 2.17: floor(x + 0.4999) gives 5 and 2 (and -2).
    EXPECT_EQ(longest.head1, QPoint(55, -2));
    EXPECT_EQ(longest.head2, QPoint(55, 2));
    EXPECT_EQ(ArrowShapeFor(0.0, 0.0, 4.0, options).tip, QPoint(10, 0));
    EXPECT_EQ(ArrowShapeFor(0.0, 2.0, 4.0, options).tip, QPoint(35, 0));
}

TEST(ArrowShape, DirectionsOnScreenAndTruncatedTips) {
    const ArrowOptions options;
    EXPECT_EQ(ArrowShapeFor(ScreenAngleOf(0), 1, 1, options).tip, QPoint(0, -60));    // up
    EXPECT_EQ(ArrowShapeFor(ScreenAngleOf(90), 1, 1, options).tip, QPoint(60, 0));    // right
    EXPECT_EQ(ArrowShapeFor(ScreenAngleOf(180), 1, 1, options).tip, QPoint(0, 60));   // down
    EXPECT_EQ(ArrowShapeFor(ScreenAngleOf(270), 1, 1, options).tip, QPoint(-60, 0));  // left
    // 45 degrees: 60 * 0.7071 = 42.43, truncated towards 0 on both axes.
    EXPECT_EQ(ArrowShapeFor(ScreenAngleOf(135), 1, 1, options).tip, QPoint(42, 42));
    EXPECT_EQ(ArrowShapeFor(ScreenAngleOf(315), 1, 1, options).tip, QPoint(-42, -42));
    // Pointing left, the head strokes open to the right of the tip.
    const ArrowShape left = ArrowShapeFor(ScreenAngleOf(270), 1, 1, options);
    EXPECT_EQ(left.head1, QPoint(-55, 2));
    EXPECT_EQ(left.head2, QPoint(-55, -2));
}

// The tip is the truncated product of the library's cosine and sine with the length, and the
// heads come from the head angles directly, for every angle, length and peak length: also where
// the products are whole numbers or next to one, on the axes and the diagonals.
TEST(ArrowShape, TipsAndHeadsEqualThoseOfTheDirectFormula) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> compass(0, 360);
    int checked = 0;
    for (int peak : {1, 2, 5, 7, 10, 33, 99}) {
        ArrowOptions options;
        options.ArrowPeakLength = peak;
        std::vector<double> directions;
        for (int k = 0; k <= 3600; ++k) directions.push_back(k * 0.1);  // many on the axes
        for (int k = 0; k < 20000; ++k) directions.push_back(compass(random));
        for (double direction : directions) {
            const double angle = ScreenAngleOf(direction);
            for (double magnitude : {1.0, 0.5, 0.0, 0.1, 1e-12, 0.3 + peak * 1e-3}) {
                const ArrowShape shape = ArrowShapeFor(angle, magnitude, 1, options);
                const double length = magnitude * options.ArrowMaxLength + options.ArrowMinLength;
                const QPoint tip(static_cast<int>(std::trunc(std::cos(angle) * length)),
                                 static_cast<int>(std::trunc(std::sin(angle) * length)));
                const ArrowShape direct = ArrowShapeWithTip(tip, angle, peak);
                ASSERT_EQ(shape, direct) << direction << " with peak " << peak;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 900000);
}

// Lengths whose products with the cosine or sine are whole numbers, or lie a hair from one.
TEST(ArrowShape, TipsNextToWholeNumbersAreTruncatedAsTheLibraryDoes) {
    for (int quarter = 0; quarter < 4; ++quarter) {
        const double angle = quarter * ArrowPi / 2;  // the ten-digit pi: cosines near 0, 1, -1
        const double cosine = std::cos(angle);
        // The coordinate along the axis: its cosine or sine lies near 1 or -1.
        const double along = std::max(std::fabs(cosine), std::fabs(std::sin(angle)));
        for (int whole = 1; whole < 200; ++whole) {
            // Magnitudes that make the coordinate along the axis land on, just below and just
            // above `whole`, while the other lies a hair from 0.
            for (double step : {0.0, -1e-13, 1e-13, -1e-10, 1e-10}) {
                const double length = (whole + step) / along;
                ArrowOptions options;
                options.ArrowMinLength = 0;
                options.ArrowMaxLength = 1000;
                const double magnitude = length / 1000;
                const ArrowShape shape = ArrowShapeFor(angle, magnitude, 1, options);
                const double exact = magnitude / 1 * 1000 + 0;
                ASSERT_EQ(shape.tip.x(), static_cast<int>(std::trunc(cosine * exact)))
                    << quarter << " " << whole << " " << step;
                ASSERT_EQ(shape.tip.y(), static_cast<int>(std::trunc(std::sin(angle) * exact)))
                    << quarter << " " << whole << " " << step;
            }
        }
    }
}

TEST(SineCosine, WithinTwoUnitsInTheFifteenthPlaceUpToAHundredThousand) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> small(-10, 10), large(-1e5, 1e5);
    double worst = 0;
    for (int k = 0; k < 400000; ++k) {
        const double angle = k % 4 == 0   ? large(random)
                             : k % 4 == 1 ? k * ArrowPi / 8
                                          : small(random);
        const SineCosine near = NearSineCosine(angle);
        worst = std::max({worst, std::fabs(near.sine - std::sin(angle)),
                          std::fabs(near.cosine - std::cos(angle))});
    }
    EXPECT_LT(worst, 2e-15);
    EXPECT_TRUE(std::isnan(NearSineCosine(2e5).sine));
    EXPECT_TRUE(std::isnan(NearSineCosine(std::nan("")).cosine));
}

TEST(ArrowShape, NoLargestMagnitudeMeansNoShaftAndNoHead) {
    const ArrowShape none = ArrowShapeFor(1.0, 0.0, 0.0, ArrowOptions{});
    EXPECT_EQ(none.tip, QPoint(0, 0));
    EXPECT_FALSE(none.hasHead);
    // Slopes and directions of a grid without cell size are no numbers: no arrow either.
    EXPECT_FALSE(ArrowShapeFor(std::nan(""), 1.0, 1.0, ArrowOptions{}).hasHead);
    EXPECT_FALSE(ArrowShapeFor(1.0, std::nan(""), 1.0, ArrowOptions{}).hasHead);
}

TEST(ArrowShape, SixColourClassesByRelativeMagnitude) {
    const double max = 1000;
    EXPECT_EQ(ArrowColourFor(2.9, max), Colour::fromRgb(0, 0, 128));
    EXPECT_EQ(ArrowColourFor(3, max), Colour::fromRgb(0, 192, 0));
    EXPECT_EQ(ArrowColourFor(9.9, max), Colour::fromRgb(0, 192, 0));
    EXPECT_EQ(ArrowColourFor(10, max), Colour::fromRgb(0, 255, 0));
    EXPECT_EQ(ArrowColourFor(20, max), Colour::fromRgb(255, 255, 0));
    EXPECT_EQ(ArrowColourFor(30, max), Colour::fromRgb(255, 128, 0));
    EXPECT_EQ(ArrowColourFor(99.9, max), Colour::fromRgb(255, 128, 0));
    EXPECT_EQ(ArrowColourFor(100, max), Colour::fromRgb(255, 15, 15));
    EXPECT_EQ(ArrowColourFor(max, max), Colour::fromRgb(255, 15, 15));
}

TEST(ArrowCulling, TheCoarseBoxHoldsEveryPixelTheArrowsPenReaches) {
    std::mt19937 random(23);
    std::uniform_real_distribution<double> angle(-8, 8);
    std::uniform_real_distribution<double> length(0, 400);
    std::uniform_int_distribution<int> peak(0, 60);
    std::uniform_int_distribution<int> thickness(0, 6);
    for (int k = 0; k < 200000; ++k) {
        // Angles near quarter turns and far from zero as well as anywhere.
        const double a = k % 5 == 0   ? (k % 64) * (std::numbers::pi / 2) + 1e-3 * angle(random)
                         : k % 7 == 0 ? angle(random) * 1e4
                                      : angle(random);
        const double l = k % 3 == 0 ? length(random) / 20 : length(random);
        ArrowOptions options;
        options.ArrowPeakLength = peak(random);
        options.ArrowThickness = thickness(random);
        const ArrowShaper shaper(1, options);
        const ArrowShape shape = shaper.shapeWith(a, l, NearSineCosine(a));
        if (!shape.hasHead) continue;
        const QRect reach = ArrowReach(shape, options.ArrowThickness);
        const std::optional<QRect> box =
            CoarseArrowBox(a, l, options.ArrowPeakLength, options.ArrowThickness);
        ASSERT_TRUE(box.has_value());
        ASSERT_TRUE(box->contains(reach))
            << "angle " << a << ", length " << l << ", head " << options.ArrowPeakLength << ", pen "
            << options.ArrowThickness;
    }
    // Nothing is passed by when the box cannot be sure.
    EXPECT_FALSE(CoarseArrowBox(std::nan(""), 10, 7, 1));
    EXPECT_FALSE(CoarseArrowBox(2e5, 10, 7, 1));
    EXPECT_FALSE(CoarseArrowBox(1, 1e6, 7, 1));
    EXPECT_FALSE(CoarseArrowBox(1, 10, std::numeric_limits<double>::infinity(), 1));
}

TEST(ArrowCulling, ARowsBoxesHoldEveryPixelTheArrowsPenReaches) {
    std::mt19937 random(29);
    std::uniform_real_distribution<double> direction(-400, 760);
    std::uniform_real_distribution<double> magnitude(-0.2, 1);
    std::uniform_int_distribution<int> minLength(0, 30);
    std::uniform_int_distribution<int> maxLength(0, 400);
    std::uniform_int_distribution<int> peak(0, 60);
    std::uniform_int_distribution<int> thickness(0, 6);
    constexpr int Count = 37;  // the last arrow of a row takes the way without vectors
    std::vector<CoarseArrowBoxes::Path> paths{CoarseArrowBoxes::Path::Baseline};
    if (CoarseArrowBoxes::available(CoarseArrowBoxes::Path::Avx2))
        paths.push_back(CoarseArrowBoxes::Path::Avx2);
    for (int row = 0; row < 6000; ++row) {
        ArrowOptions options;
        options.ArrowMinLength = minLength(random);
        options.ArrowMaxLength = maxLength(random);
        options.ArrowPeakLength = peak(random);
        options.ArrowThickness = thickness(random);
        const double maxMagnitude = row % 2 == 0 ? 1 : 37.5;
        std::vector<double> directions(Count);
        std::vector<double> magnitudes(Count);
        for (int k = 0; k < Count; ++k) {
            // Directions near quarter turns and far from zero as well as anywhere.
            directions[k] = row % 3 == 0   ? (k % 16) * 90 + 1e-3 * direction(random)
                            : row % 7 == 0 ? direction(random) * 7000
                                           : direction(random);
            magnitudes[k] = magnitude(random) * maxMagnitude;
        }
        const ArrowShaper shaper(maxMagnitude, options);
        for (const CoarseArrowBoxes::Path path : paths) {
            CoarseArrowBoxes boxes(maxMagnitude, options);
            boxes.findFor(directions.data(), magnitudes.data(), Count, path);
            for (int k = 0; k < Count; ++k) {
                const ArrowShape shape =
                    shaper.shapeOf(ScreenAngleOf(directions[k]), magnitudes[k]);
                if (!shape.hasHead) continue;
                ASSERT_TRUE(boxes.given(k));
                const QRect box(QPoint(boxes.left[k], boxes.top[k]),
                                QPoint(boxes.right[k], boxes.bottom[k]));
                ASSERT_TRUE(box.contains(ArrowReach(shape, options.ArrowThickness)))
                    << "direction " << directions[k] << ", magnitude " << magnitudes[k] << " of "
                    << maxMagnitude << ", arrow " << k << ", path " << int(path);
            }
        }
    }
    // No box where it cannot be sure, in the vector lanes and in the last arrow alike.
    const double nan = std::nan("");
    const double directions[] = {nan, 45, 1e9, 45, 45, 45, 45, 45, 45};
    const double magnitudes[] = {1, nan, 1, 1e9, 1, 1, 1, -1e9, nan};
    for (const CoarseArrowBoxes::Path path : paths) {
        CoarseArrowBoxes boxes(1, ArrowOptions{});
        boxes.findFor(directions, magnitudes, 9, path);
        for (int k : {0, 1, 2, 3, 7, 8})
            EXPECT_FALSE(boxes.given(k)) << k << ", path " << int(path);
        for (int k : {4, 5, 6}) EXPECT_TRUE(boxes.given(k)) << k << ", path " << int(path);
    }
}

TEST(ArrowOverlay, GradientArrowsStartAtCellCentresAndPointLeft) {
    // 5 x 5 cells of 20 pixels; only the inner cells have arrows, all of the largest slope.
    ArrowGrids arrows = gridsOf(5, 5, 270, 2.0, 2.0);
    for (int k = 0; k < 5; ++k)
        for (auto [i, j] : {std::pair{0, k}, {4, k}, {k, 0}, {k, 4}}) {
            arrows.ArrowMagnitude->at(i, j) = Nodata;
            arrows.ArrowDirection->at(i, j) = Nodata;
        }
    ArrowOptions options;
    options.ArrowMaxLength = 5;  // 15 pixels long: from the centre into the cell to the left
    options.ArrowMinLength = 10;
    QImage picture = whitePicture(101, 101);
    ArrowStamps stamps;
    const ViewWindow view = windowOf(0, 5, 0, 5, 100, 100);
    DrawArrowOverlay(picture, arrows, Nodata, view, ArrowStart::CellCentre, options, stamps);

    // Cells (2, 1) to (2, 3) have their centres at x = 30, 50 and 70 on line 50: their shafts
    // reach 15 pixels to the left, in red, with gaps of 5 pixels between them.
    for (int centre : {30, 50, 70}) {
        for (int x = centre - 14; x <= centre; ++x) EXPECT_EQ(picture.pixel(x, 50), Red) << x;
        EXPECT_EQ(picture.pixel(centre + 2, 50), White) << centre;
        // The head strokes open to the right of the tip.
        EXPECT_EQ(picture.pixel(centre - 11, 48), Red) << centre;
        EXPECT_EQ(picture.pixel(centre - 11, 52), Red) << centre;
    }
    EXPECT_EQ(picture.pixel(74, 50), White);
    EXPECT_EQ(picture.pixel(50, 40), White);
    // The border cells have no arrows: their centres stay white.
    EXPECT_EQ(picture.pixel(90, 90), White);
    EXPECT_EQ(picture.pixel(10, 50), White);
    EXPECT_EQ(picture.pixel(50, 10), White);
    EXPECT_EQ(differingPixels(picture, paintedOverlay(whitePicture(101, 101), arrows, view,
                                                      ArrowStart::CellCentre, options)),
              0);
}

TEST(ArrowOverlay, FlowArrowsStartAtLowerRightCornersBordersIncluded) {
    // X = 1, Y = 0: every cell, borders included, points right, 60 pixels, red.
    const ArrowGrids arrows = gridsOf(3, 3, 90, 1.0, 1.0);
    QImage picture = whitePicture(200, 200);
    ArrowStamps stamps;
    const ViewWindow view = windowOf(0, 3, 0, 3, 90, 90);
    DrawArrowOverlay(picture, arrows, Nodata, view, ArrowStart::LowerRightCorner, ArrowOptions{},
                     stamps);
    // Cell (0, 0) ends at (30, 30); its arrow reaches (90, 30).
    EXPECT_EQ(picture.pixel(30, 30), Red);
    EXPECT_EQ(picture.pixel(89, 30), Red);
    EXPECT_EQ(picture.pixel(150, 90), Red);  // cell (2, 2) from (90, 90)
    EXPECT_EQ(picture.pixel(20, 20), White);
    EXPECT_EQ(
        differingPixels(picture, paintedOverlay(whitePicture(200, 200), arrows, view,
                                                ArrowStart::LowerRightCorner, ArrowOptions{})),
        0);
}

TEST(ArrowOverlay, NothingIsDrawnWithoutLengthOrWithoutGridsCoveringTheWindow) {
    QImage picture = whitePicture(60, 60);
    ArrowStamps stamps;
    const ArrowGrids flat = gridsOf(3, 3, 0, 0.0, 0.0);
    DrawArrowOverlay(picture, flat, Nodata, windowOf(0, 3, 0, 3, 59, 59), ArrowStart::CellCentre,
                     ArrowOptions{}, stamps);
    EXPECT_EQ(differingPixels(picture, whitePicture(60, 60)), 0);

    const ArrowGrids small = gridsOf(2, 2, 90, 1.0, 1.0);
    DrawArrowOverlay(picture, small, Nodata, windowOf(0, 3, 0, 3, 59, 59), ArrowStart::CellCentre,
                     ArrowOptions{}, stamps);
    EXPECT_EQ(differingPixels(picture, whitePicture(60, 60)), 0);
}

// The runs written straight into the picture set exactly the pixels the painter sets, arrows in
// every direction and of every colour class overlapping each other and the picture's edges.
TEST(ArrowOverlay, SamePixelsAsThePainterForEveryPenWidth) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> direction(0, 360);
    std::uniform_real_distribution<double> magnitude(0, 5);
    ArrowGrids arrows;
    arrows.prepare(40, 50);
    for (int i = 0; i < 40; ++i)
        for (int j = 0; j < 50; ++j) {
            const bool none = (i * 7 + j * 3) % 23 == 0;
            arrows.ArrowDirection->at(i, j) = none ? Nodata : direction(random);
            const double m = magnitude(random);
            arrows.ArrowMagnitude->at(i, j) = none ? Nodata : m * m * m / 25;
        }
    arrows.ArrowMaxMagnitude = 5;
    struct Case {
        ViewWindow view;
        QSize size;
    };
    const Case cases[] = {{windowOf(0, 40, 0, 50, 250, 200), {251, 201}},
                          {windowOf(5, 17, 8, 30, 330, 180), {331, 181}},
                          {windowOf(0, 40, 0, 50, 50, 40), {51, 41}}};
    // One table of shapes for all widths, as the window keeps it: a new width starts afresh.
    ArrowStamps stamps;
    for (int thickness : {0, 1, 2, 3, 5, 2}) {
        ArrowOptions options;
        options.ArrowThickness = thickness;
        options.ArrowPeakLength = 7;
        for (const Case& c : cases) {
            for (ArrowStart start : {ArrowStart::CellCentre, ArrowStart::LowerRightCorner}) {
                const QImage expected = paintedOverlay(
                    whitePicture(c.size.width(), c.size.height()), arrows, c.view, start, options);
                for (int workers : {1, 2, 3}) {
                    QImage picture = whitePicture(c.size.width(), c.size.height());
                    DrawArrowOverlay(picture, arrows, Nodata, c.view, start, options, stamps,
                                     workers);
                    EXPECT_EQ(differingPixels(picture, expected), 0)
                        << "thickness " << thickness << ", " << c.size.width() << " wide, "
                        << workers << " threads";
                }
            }
        }
    }
}

// Arrow grids for the comparisons with the one-thread overlay: gradients of a noisy terrain with
// nodata patches, or a flow field with nodata cells; the largest magnitude as computed, 0, or
// below some magnitudes.
ArrowGrids comparisonArrows(int rows, int columns, std::mt19937& random) {
    std::uniform_real_distribution<double> noise(-1, 1);
    ArrowGrids arrows;
    if (random() % 3 == 0) {
        GridRows x(rows, columns), y(rows, columns);
        for (int i = 0; i < rows; ++i)
            for (int j = 0; j < columns; ++j) {
                const bool none = (i * 7 + j * 13) % 29 == 0;
                x.at(i, j) = none ? Nodata : std::sin(i * 0.05) + 0.3 * noise(random);
                y.at(i, j) = std::cos(j * 0.04) + 0.3 * noise(random);
            }
        ComputeFlowGrids(arrows, x, y, Nodata);
    } else {
        const double roughness = random() % 4 * 0.5;
        GridRows values(rows, columns);
        for (int i = 0; i < rows; ++i)
            for (int j = 0; j < columns; ++j)
                values.at(i, j) =
                    std::sin(i * 0.3 + j * 0.2) + std::cos(j * 0.11) < -1.6
                        ? Nodata
                        : 40 * std::sin(i * 0.02) * std::cos(j * 0.03) + roughness * noise(random);
        ComputeGradientGrids(arrows, values, 1 + random() % 30, Nodata);
    }
    if (random() % 8 == 0) arrows.ArrowMaxMagnitude = 0;
    if (random() % 8 == 1) arrows.ArrowMaxMagnitude *= 0.5;  // longer arrows than the options say
    return arrows;
}

// The overlay on any number of threads, each pixel drawn once, gives the picture of the drawing
// on one thread that writes every arrow over the ones before: whole grids with many arrows on a
// pixel, zoomed windows, pictures narrower than the window's pixels, arrows across every edge,
// every pen width and head length, arrows from the centres and from the corners, pictures of
// both formats the overlay draws on, the shapes of earlier paints kept.
TEST(ArrowOverlay, EveryNumberOfThreadsDrawsTheOneThreadPicture) {
    std::mt19937 random(17);
    const auto below = [&](int n) { return static_cast<int>(random() % n); };
    ArrowStamps stamps;
    for (int round = 0; round < 40; ++round) {
        const int rows = 20 + below(160), columns = 20 + below(160);
        const ArrowGrids arrows = comparisonArrows(rows, columns, random);
        ViewWindow view{0, rows, 0, columns};
        if (round % 3 == 1) {
            view.FirstRow = below(rows - 5);
            view.LastRow = view.FirstRow + 5 + below(rows - view.FirstRow - 4);
            view.FirstCol = below(columns - 5);
            view.LastCol = view.FirstCol + 5 + below(columns - view.FirstCol - 4);
        }
        QImage before(30 + below(320), 30 + below(240),
                      round % 4 == 3 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x) before.setPixel(x, y, 0xFF000000u | random());
        FitWindow(view, before.width(), before.height());
        if (round % 5 == 4) view.DrawWidth += view.DrawWidth / 2;  // beyond the picture
        ArrowOptions options;
        options.ArrowMinLength = below(30);
        options.ArrowMaxLength = below(80);
        options.ArrowThickness = below(6);
        options.ArrowPeakLength = below(13);
        const ArrowStart start = below(2) ? ArrowStart::CellCentre : ArrowStart::LowerRightCorner;
        QImage expected = before;
        ArrowStamps referenceStamps;
        ReferenceArrowOverlay(expected, arrows, Nodata, view, start, options, referenceStamps);
        for (int workers : {0, 1, 2, 5}) {
            QImage actual = before;
            DrawArrowOverlay(actual, arrows, Nodata, view, start, options, stamps, workers);
            ASSERT_EQ(actual, expected) << "round " << round << ", " << workers << " threads";
        }
    }
}

// Rows of arrows that cost unevenly: the threads whose rows are without data take rows from
// the others, drawn into layers of their own, and the picture stays the one-thread picture.
TEST(ArrowOverlay, RowsTakenOverFromABusyThreadKeepTheOneThreadPicture) {
    std::mt19937 random(31);
    constexpr int Rows = 640, Columns = 1040;
    ArrowGrids arrows = comparisonArrows(Rows, Columns, random);
    for (int i = Rows / 2; i < Rows; ++i)
        for (int j = 0; j < Columns; ++j) arrows.ArrowMagnitude->at(i, j) = Nodata;
    QImage before(400, 300, QImage::Format_RGB32);
    before.fill(0xFF406080u);
    ViewWindow view{0, Rows, 0, Columns};
    FitWindow(view, before.width(), before.height());
    ArrowStamps stamps;
    QImage expected = before;
    DrawArrowOverlay(expected, arrows, Nodata, view, ArrowStart::CellCentre, ArrowOptions{}, stamps,
                     1);
    for (int workers : {2, 3, 4}) {
        QImage actual = before;
        DrawArrowOverlay(actual, arrows, Nodata, view, ArrowStart::CellCentre, ArrowOptions{},
                         stamps, workers);
        ASSERT_EQ(differingPixels(actual, expected), 0) << workers << " threads";
    }
}

// Dense arrows much longer than the picture, most of them across its edges and over each
// other: arrows across the edge hide earlier ones inside and are hidden by later ones, each
// pixel by the last arrow in cell order, with tips near and far (up to 400 pixels) and shapes
// kept from the paints before.
TEST(ArrowOverlay, LongArrowsAcrossTheEdgesOverlapInCellOrder) {
    std::mt19937 random(23);
    std::uniform_real_distribution<double> direction(0, 360);
    std::uniform_real_distribution<double> magnitude(0, 1);
    ArrowStamps stamps;
    for (int round = 0; round < 6; ++round) {
        const int rows = 30 + round * 7, columns = 40 + round * 5;
        ArrowGrids arrows;
        arrows.prepare(rows, columns);
        for (int i = 0; i < rows; ++i)
            for (int j = 0; j < columns; ++j) {
                arrows.ArrowDirection->at(i, j) =
                    round % 2 ? 180 + 20 * magnitude(random) : direction(random);
                arrows.ArrowMagnitude->at(i, j) = magnitude(random);
            }
        arrows.ArrowMaxMagnitude = 1;
        ArrowOptions options;
        options.ArrowMinLength = 5 + round * 20;
        options.ArrowMaxLength = 60 * round;
        options.ArrowThickness = round % 4;
        QImage before(61 + 13 * round, 47 + 9 * round, QImage::Format_RGB32);
        before.fill(0xFF203040u);
        ViewWindow view{0, rows, 0, columns};
        FitWindow(view, before.width(), before.height());
        QImage expected = before;
        ArrowStamps referenceStamps;
        ReferenceArrowOverlay(expected, arrows, Nodata, view, ArrowStart::CellCentre, options,
                              referenceStamps);
        for (int workers : {1, 2, 3}) {
            QImage actual = before;
            DrawArrowOverlay(actual, arrows, Nodata, view, ArrowStart::CellCentre, options, stamps,
                             workers);
            ASSERT_EQ(differingPixels(actual, expected), 0)
                << "round " << round << ", " << workers << " threads";
        }
    }
}

TEST(ArrowExamples, TenAndFiftyPixelsWithTheStartOptions) {
    QImage image = whitePicture(200, 45);
    image.fill(Qt::black);
    DrawArrowExamples(image, ArrowOptions{});
    const QRgb green = Colour::fromRgb(0, 128, 0).argb();
    const auto rightmost = [&](int top, int bottom) {
        int found = -1;
        for (int y = top; y <= bottom; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == green) found = std::max(found, x);
        return found;
    };
    const auto leftmost = [&](int top, int bottom) {
        for (int x = 0; x < image.width(); ++x)
            for (int y = top; y <= bottom; ++y)
                if (image.pixel(x, y) == green) return x;
        return -1;
    };
    // Pen width 2 with square ends reaches one pixel beyond the start; the tip ends the
    // arrows at 10 + 10 and 10 + 50.
    EXPECT_EQ(leftmost(8, 22), 9);
    EXPECT_EQ(rightmost(8, 22), 20);
    EXPECT_EQ(leftmost(23, 37), 9);
    EXPECT_EQ(rightmost(23, 37), 60);
    // The rest is white.
    EXPECT_EQ(image.pixel(100, 40), White);
    EXPECT_EQ(image.pixel(0, 0), White);
}

}  // namespace
