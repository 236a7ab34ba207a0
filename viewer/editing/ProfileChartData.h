#pragma once
#include <vector>

#include "ProfileSeries.h"

// What the profile chart draws of the profile series.
struct ProfileChartData {
    // The line through the points in their order, with a null point (NaN) where it breaks at
    // a nodata cell, so that it does not join across the cell.
    std::vector<double> lineXs;
    std::vector<double> lineYs;
    // The points that no piece of the line reaches beyond themselves (a single point, or one
    // between two breaks), which a line alone would not show; they are drawn as markers,
    // with null points between them so that nothing joins them.
    std::vector<double> loneXs;
    std::vector<double> loneYs;

    // The axes' ranges: the points' ranges with a margin of a twentieth of the span on each
    // side (of a twentieth of the value, or 1 for 0, when the span is 0), so that no point
    // sits on the chart's frame. Meaningful only with points.
    bool hasPoints = false;
    double xMin = 0;
    double xMax = 0;
    double yMin = 0;
    double yMax = 0;
};

ProfileChartData profileChartData(const ProfileSeries& profile);
