#include "ProfileChartData.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double NullPoint = std::numeric_limits<double>::quiet_NaN();

// A null point between two points: halfway in X, so that it stays between them wherever the
// chart sorts the points by X.
void addNullBetween(std::vector<double>& xs, std::vector<double>& ys, double before, double after) {
    xs.push_back(before + (after - before) / 2);
    ys.push_back(NullPoint);
}

// The range of `values` widened by the margin.
void rangeWithMargin(const std::vector<double>& values, double& lower, double& upper) {
    const auto [least, most] = std::minmax_element(values.begin(), values.end());
    const double span = *most - *least;
    double margin = span / 20;
    if (!(span > 0)) margin = *least != 0 ? std::fabs(*least) / 20 : 1.0;
    lower = *least - margin;
    upper = *most + margin;
}

}  // namespace

ProfileChartData profileChartData(const ProfileSeries& profile) {
    ProfileChartData data;
    const std::vector<double>& xs = profile.xs();
    const std::vector<double>& ys = profile.ys();
    const int count = profile.count();
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (profile.breaksBefore(i)) addNullBetween(data.lineXs, data.lineYs, xs[at - 1], xs[at]);
        data.lineXs.push_back(xs[at]);
        data.lineYs.push_back(ys[at]);
        const bool joinedBefore = i > 0 && !profile.breaksBefore(i);
        const bool joinedAfter = i + 1 < count && !profile.breaksBefore(i + 1);
        if (joinedBefore || joinedAfter) continue;
        if (!data.loneXs.empty())
            addNullBetween(data.loneXs, data.loneYs, data.loneXs.back(), xs[at]);
        data.loneXs.push_back(xs[at]);
        data.loneYs.push_back(ys[at]);
    }
    data.hasPoints = count > 0;
    if (data.hasPoints) {
        rangeWithMargin(xs, data.xMin, data.xMax);
        rangeWithMargin(ys, data.yMin, data.yMax);
    }
    return data;
}
