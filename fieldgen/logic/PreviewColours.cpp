#include "PreviewColours.h"

#include <algorithm>
#include <cmath>

namespace {

// The step of the value between the scale's ends, 0 at the far end and 1 at mid. A scale
// without width on that side puts the value at mid.
double stepFraction(double fraction, int steps) {
    if (!std::isfinite(fraction)) return 1.0;
    fraction = std::clamp(fraction, 0.0, 1.0);
    return std::trunc(fraction * steps) / steps;
}

}  // namespace

QRgb previewColour(double value, const PreviewScale& scale, int colourDepth) {
    const int steps = std::max(1, colourDepth / 2);
    if (value > scale.mid) {
        const double f = stepFraction(1.0 - (value - scale.mid) / (scale.max - scale.mid), steps);
        return qRgb(255, int(std::sqrt(f) * 235), int(f * 255));
    }
    const double f = stepFraction((value - scale.min) / (scale.mid - scale.min), steps);
    return qRgb(int(std::sqrt(f) * 255), int(f * 235), 255);
}
