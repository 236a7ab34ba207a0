#include "ArrowShape.h"

#include <cmath>

namespace {

// The head strokes leave the tip at this angle on both sides of the shaft.
constexpr double HeadAngle = ArrowPi / 7;

int headOffset(double component, int peakLength) {
    return static_cast<int>(std::floor(component * peakLength + 0.4999));
}

// headOffset of a cosine or sine found through the angle-addition identity, which is off from
// the directly computed one by a few units in the last place. Where that could change the
// floor, `exact` computes it directly.
template <class Exact>
int headOffset(double approximate, int peakLength, Exact exact) {
    const double offset = approximate * peakLength + 0.4999;
    const double whole = std::floor(offset);
    if (offset - whole < 1e-9 || whole + 1 - offset < 1e-9) return headOffset(exact(), peakLength);
    return static_cast<int>(whole);
}

// The head strokes of an arrow at `angle` whose cosine and sine are known.
void addHead(ArrowShape& shape, double angle, double cosine, double sine, int peakLength) {
    static const double cosHead = std::cos(HeadAngle);
    static const double sinHead = std::sin(HeadAngle);
    const double left = angle + HeadAngle;
    const double right = angle - HeadAngle;
    const int leftX = headOffset(cosine * cosHead - sine * sinHead, peakLength,
                                 [left] { return std::cos(left); });
    const int leftY = headOffset(sine * cosHead + cosine * sinHead, peakLength,
                                 [left] { return std::sin(left); });
    const int rightX = headOffset(cosine * cosHead + sine * sinHead, peakLength,
                                  [right] { return std::cos(right); });
    const int rightY = headOffset(sine * cosHead - cosine * sinHead, peakLength,
                                  [right] { return std::sin(right); });
    shape.head1 = shape.tip - QPoint(leftX, leftY);
    shape.head2 = shape.tip - QPoint(rightX, rightY);
}

}  // namespace

ArrowShape ArrowShapeWithTip(QPoint tip, double angle, int peakLength) {
    ArrowShape shape;
    shape.tip = tip;
    shape.hasHead = tip != QPoint(0, 0);
    if (!shape.hasHead) return shape;
    const double left = angle + HeadAngle;
    const double right = angle - HeadAngle;
    shape.head1 = tip - QPoint(headOffset(std::cos(left), peakLength),
                               headOffset(std::sin(left), peakLength));
    shape.head2 = tip - QPoint(headOffset(std::cos(right), peakLength),
                               headOffset(std::sin(right), peakLength));
    return shape;
}

ArrowShape ArrowShapeFor(double angle, double magnitude, double maxMagnitude,
                         const ArrowOptions& options) {
    ArrowShape shape;
    if (maxMagnitude == 0) return shape;
    const double length =
        magnitude / maxMagnitude * options.ArrowMaxLength + options.ArrowMinLength;
    const double cosine = std::cos(angle);
    const double sine = std::sin(angle);
    // A grid without cell size gives slopes and directions that are no numbers: no arrow.
    if (!std::isfinite(cosine * length) || !std::isfinite(sine * length)) return shape;
    shape.tip = QPoint(static_cast<int>(std::trunc(cosine * length)),
                       static_cast<int>(std::trunc(sine * length)));
    shape.hasHead = shape.tip != QPoint(0, 0);
    if (shape.hasHead) addHead(shape, angle, cosine, sine, options.ArrowPeakLength);
    return shape;
}

Colour ArrowColourFor(double magnitude, double maxMagnitude) {
    if (magnitude < 0.003 * maxMagnitude) return Colour::fromRgb(0, 0, 128);
    if (magnitude < 0.01 * maxMagnitude) return Colour::fromRgb(0, 192, 0);
    if (magnitude < 0.02 * maxMagnitude) return Colour::fromRgb(0, 255, 0);
    if (magnitude < 0.03 * maxMagnitude) return Colour::fromRgb(255, 255, 0);
    if (magnitude < 0.1 * maxMagnitude) return Colour::fromRgb(255, 128, 0);
    return Colour::fromRgb(255, 15, 15);
}
