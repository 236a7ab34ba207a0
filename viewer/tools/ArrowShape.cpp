#include "ArrowShape.h"

#include <cmath>

namespace {

// The head strokes leave the tip at this angle on both sides of the shaft.
constexpr double HeadAngle = ArrowPi / 7;

int headOffset(double component, int peakLength) {
    return static_cast<int>(std::floor(component * peakLength + 0.4999));
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
    QPoint tip(0, 0);
    if (maxMagnitude != 0) {
        const double length =
            magnitude / maxMagnitude * options.ArrowMaxLength + options.ArrowMinLength;
        tip = QPoint(static_cast<int>(std::trunc(std::cos(angle) * length)),
                     static_cast<int>(std::trunc(std::sin(angle) * length)));
    }
    return ArrowShapeWithTip(tip, angle, options.ArrowPeakLength);
}

Colour ArrowColourFor(double magnitude, double maxMagnitude) {
    if (magnitude < 0.003 * maxMagnitude) return Colour::fromRgb(0, 0, 128);
    if (magnitude < 0.01 * maxMagnitude) return Colour::fromRgb(0, 192, 0);
    if (magnitude < 0.02 * maxMagnitude) return Colour::fromRgb(0, 255, 0);
    if (magnitude < 0.03 * maxMagnitude) return Colour::fromRgb(255, 255, 0);
    if (magnitude < 0.1 * maxMagnitude) return Colour::fromRgb(255, 128, 0);
    return Colour::fromRgb(255, 15, 15);
}
