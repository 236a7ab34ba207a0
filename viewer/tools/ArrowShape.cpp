#include "ArrowShape.h"

#include <cmath>

#include "SineCosine.h"

namespace {

// The head strokes leave the tip at this angle on both sides of the shaft.
constexpr double HeadAngle = ArrowPi / 7;

const double CosHead = std::cos(HeadAngle);
const double SinHead = std::sin(HeadAngle);

int headOffset(double component, int peakLength) {
    return static_cast<int>(std::floor(component * peakLength + 0.4999));
}

// The whole number nearest to x (ties to even), for |x| < 2^51: adding and taking away 1.5 *
// 2^52 leaves no fraction.
inline double nearestWhole(double x) {
    constexpr double Shift = 6755399441055744.0;
    return (x + Shift) - Shift;
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

// How far a cosine or sine computed otherwise (NearSineCosine, the angle-addition identity)
// may lie from the directly computed one, scaled: below it, floors and truncations of the
// scaled value are taken as they are; nearer to a whole number they are computed directly.
constexpr double Margin = 1e-9;

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

ArrowShaper::ArrowShaper(double maxMagnitude, const ArrowOptions& options)
    : maxMagnitude_(maxMagnitude),
      maxLength_(options.ArrowMaxLength),
      minLength_(options.ArrowMinLength),
      peakLength_(options.ArrowPeakLength) {}

void ArrowShaper::addHead(ArrowShape& shape, double angle, double cosine, double sine) const {
    const double left = angle + HeadAngle;
    const double right = angle - HeadAngle;
    const int leftX = headOffset(cosine * CosHead - sine * SinHead, peakLength_,
                                 [left] { return std::cos(left); });
    const int leftY = headOffset(sine * CosHead + cosine * SinHead, peakLength_,
                                 [left] { return std::sin(left); });
    const int rightX = headOffset(cosine * CosHead + sine * SinHead, peakLength_,
                                  [right] { return std::cos(right); });
    const int rightY = headOffset(sine * CosHead - cosine * SinHead, peakLength_,
                                  [right] { return std::sin(right); });
    shape.head1 = shape.tip - QPoint(leftX, leftY);
    shape.head2 = shape.tip - QPoint(rightX, rightY);
}

// With the library's cosine and sine; every other way must give the same shape.
ArrowShape ArrowShaper::exactShapeOf(double angle, double length) const {
    ArrowShape shape;
    const double cosine = std::cos(angle);
    const double sine = std::sin(angle);
    // A grid without cell size gives slopes and directions that are no numbers: no arrow.
    if (!std::isfinite(cosine * length) || !std::isfinite(sine * length)) return shape;
    shape.tip = QPoint(static_cast<int>(std::trunc(cosine * length)),
                       static_cast<int>(std::trunc(sine * length)));
    shape.hasHead = shape.tip != QPoint(0, 0);
    if (shape.hasHead) addHead(shape, angle, cosine, sine);
    return shape;
}

ArrowShape ArrowShaper::shapeOf(double angle, double magnitude) const {
    if (maxMagnitude_ == 0) return {};
    return shapeWith(angle, lengthOf(magnitude), NearSineCosine(angle));
}

ArrowShape ArrowShaper::shapeWith(double angle, double length, const SineCosine& near) const {
    // The near cosine and sine give the library's tip and heads unless a product lands within
    // Margin of a whole number, where the two could round apart; then all is computed anew.
    const double x = near.cosine * length;
    const double y = near.sine * length;
    // Written so that a NaN takes the library's way too.
    if (!(std::fabs(length) <= 1e5) || !(std::fabs(x - nearestWhole(x)) >= Margin) ||
        !(std::fabs(y - nearestWhole(y)) >= Margin))
        return exactShapeOf(angle, length);
    ArrowShape shape;
    shape.tip = QPoint(static_cast<int>(x), static_cast<int>(y));
    shape.hasHead = shape.tip != QPoint(0, 0);
    if (!shape.hasHead) return shape;
    // The heads through the angle-addition identity, all four at once: floor(offset) is the
    // nearest whole number, or one less when that lies above.
    const double peak = peakLength_;
    const double offsets[4] = {(near.cosine * CosHead - near.sine * SinHead) * peak + 0.4999,
                               (near.sine * CosHead + near.cosine * SinHead) * peak + 0.4999,
                               (near.cosine * CosHead + near.sine * SinHead) * peak + 0.4999,
                               (near.sine * CosHead - near.cosine * SinHead) * peak + 0.4999};
    int floors[4];
    bool doubtful = !(std::fabs(peak) <= 1e5);
    for (int k = 0; k < 4; ++k) {
        const double whole = nearestWhole(offsets[k]);
        doubtful |= !(std::fabs(offsets[k] - whole) >= Margin);
        floors[k] = static_cast<int>(whole) - (whole > offsets[k] ? 1 : 0);
    }
    if (doubtful) {
        addHead(shape, angle, std::cos(angle), std::sin(angle));
        return shape;
    }
    shape.head1 = shape.tip - QPoint(floors[0], floors[1]);
    shape.head2 = shape.tip - QPoint(floors[2], floors[3]);
    return shape;
}

ArrowShape ArrowShapeFor(double angle, double magnitude, double maxMagnitude,
                         const ArrowOptions& options) {
    return ArrowShaper(maxMagnitude, options).shapeOf(angle, magnitude);
}

Colour ArrowColourFor(double magnitude, double maxMagnitude) {
    if (magnitude < 0.003 * maxMagnitude) return Colour::fromRgb(0, 0, 128);
    if (magnitude < 0.01 * maxMagnitude) return Colour::fromRgb(0, 192, 0);
    if (magnitude < 0.02 * maxMagnitude) return Colour::fromRgb(0, 255, 0);
    if (magnitude < 0.03 * maxMagnitude) return Colour::fromRgb(255, 255, 0);
    if (magnitude < 0.1 * maxMagnitude) return Colour::fromRgb(255, 128, 0);
    return Colour::fromRgb(255, 15, 15);
}
