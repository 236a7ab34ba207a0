#include "AxisLimits.h"

#include <algorithm>
#include <cmath>
#include <limits>

bool AxisLimits::setMinimum(double value) {
    if (!std::isfinite(value) || value > max_) return false;
    min_ = value;
    autoMin_ = false;
    return true;
}

bool AxisLimits::setMaximum(double value) {
    if (!std::isfinite(value) || value < min_) return false;
    max_ = value;
    autoMax_ = false;
    return true;
}

bool AxisLimits::setMinMax(double minimum, double maximum) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || minimum > maximum) return false;
    min_ = minimum;
    max_ = maximum;
    autoMin_ = autoMax_ = false;
    return true;
}

void AxisLimits::applyAutomatic(double dataMin, double dataMax) {
    if (!(dataMin <= dataMax) || !std::isfinite(dataMin) || !std::isfinite(dataMax)) return;
    if (autoMin_ && autoMax_) {
        min_ = dataMin;
        max_ = dataMax;
    } else if (autoMin_) {
        if (dataMin <= max_) min_ = dataMin;
    } else if (autoMax_) {
        if (dataMax >= min_) max_ = dataMax;
    }
}

AxisLimits::Range AxisLimits::shownRange() const {
    double lower = min_;
    double upper = max_;
    if (logarithmic_) {
        if (upper <= 0) return {1.0, 10.0};
        if (lower <= 0) lower = upper / 1000.0;
        if (lower == upper) return {lower / 10.0, upper * 10.0};
        return {lower, upper};
    }
    if (lower == upper) {
        // By one on each side, or by a billionth of the value where one is lost in it.
        constexpr double largest = std::numeric_limits<double>::max();
        const double half = std::max(1.0, std::fabs(lower) * 1e-9);
        return {std::max(-largest, lower - half), std::min(largest, upper + half)};
    }
    return {lower, upper};
}
