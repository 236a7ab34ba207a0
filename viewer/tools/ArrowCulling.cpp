#include "ArrowCulling.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ArrowOptions.h"
#include "SineCosine.h"

namespace {

// The sine and cosine at Steps angles around the circle. An angle lies within half a step of
// its nearest table angle, so the table's sine and cosine are each within StepError of the
// exact ones (and of NearSineCosine's, which the shapes use).
constexpr int Steps = 1024;
constexpr double StepsPerRadian = Steps / (2 * std::numbers::pi);
constexpr double StepError = std::numbers::pi / Steps + 1e-9;
// Beyond these the nearest step or the box's corners would be found less exactly.
constexpr double MaxAngle = 1e5;
constexpr double MaxLength = 1e5;

struct SineCosineTable {
    SineCosine at[Steps];
    SineCosineTable() {
        for (int k = 0; k < Steps; ++k) {
            const double angle = k / StepsPerRadian;
            at[k] = {std::sin(angle), std::cos(angle)};
        }
    }
    const SineCosine& nearest(double angle) const {
        const double steps = angle * StepsPerRadian;
        const auto step = static_cast<long>(steps + (steps < 0 ? -0.5 : 0.5));
        return at[static_cast<unsigned long>(step) & (Steps - 1)];
    }
};

const SineCosineTable table;

}  // namespace

std::optional<QRect> CoarseArrowBox(double angle, double length, double peakLength, int thickness) {
    // Written so that a NaN never gives a box.
    if (!(std::fabs(angle) <= MaxAngle && std::fabs(length) <= MaxLength &&
          std::fabs(peakLength) <= MaxLength))
        return std::nullopt;
    const SineCosine& near = table.nearest(angle);
    const double cosHead = std::cos(ArrowPi / 7);
    const double sinHead = std::sin(ArrowPi / 7);
    // The shapes place the tip and the head ends within a pixel (two for the heads' rounding)
    // of these places, and the pen writes within its width and a pixel more around them; the
    // table's sine and cosine move each end by at most StepError times the shaft's length and
    // twice the head's.
    const double margin = 2 + std::max(thickness, 1) + 2 + 1 +
                          (std::fabs(length) + 2 * std::fabs(peakLength)) * StepError;
    const double tipX = near.cosine * length;
    const double tipY = near.sine * length;
    const double head1X = tipX - (near.cosine * cosHead - near.sine * sinHead) * peakLength;
    const double head1Y = tipY - (near.sine * cosHead + near.cosine * sinHead) * peakLength;
    const double head2X = tipX - (near.cosine * cosHead + near.sine * sinHead) * peakLength;
    const double head2Y = tipY - (near.sine * cosHead - near.cosine * sinHead) * peakLength;
    const double left = std::min({0.0, tipX, head1X, head2X}) - margin;
    const double right = std::max({0.0, tipX, head1X, head2X}) + margin;
    const double top = std::min({0.0, tipY, head1Y, head2Y}) - margin;
    const double bottom = std::max({0.0, tipY, head1Y, head2Y}) + margin;
    return QRect(QPoint(static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top))),
                 QPoint(static_cast<int>(std::ceil(right)), static_cast<int>(std::ceil(bottom))));
}
