#include "ClassBounds.h"

#include "NumberText.h"

namespace {

void appendBound(LegendValues& values, double bound) {
    values.ClassBounds.push_back(bound);
    values.labels.push_back(qFormatG(bound, 7));
}

}  // namespace

LegendValues UpdateLegendValues(const GridStatistics& statistics, bool RangeSet, double RangeMin,
                                double RangeMax, int stepCount) {
    const double lo = RangeSet ? RangeMin : statistics.Minimum;
    const double hi = RangeSet ? RangeMax : statistics.Maximum;
    const double mid = RangeSet ? (RangeMax + RangeMin) * 0.5 : statistics.Average;
    const int half = stepCount / 2;
    const double stepLow = (mid - lo) / half;
    const double stepHigh = (hi - mid) / half;

    LegendValues values;
    double v = lo;
    for (int k = 0; k < half; ++k) {
        appendBound(values, v);
        v += stepLow;
    }
    for (int k = half; k <= stepCount; ++k) {
        appendBound(values, v);
        v += stepHigh;
    }
    return values;
}

LegendValues InitialLegendValues(int stepCount) {
    const double lo = 0;
    const double hi = stepCount;
    const double step = (hi - lo) / stepCount;
    LegendValues values;
    double v = lo;
    for (int k = 0; k <= stepCount; ++k) {
        appendBound(values, v);
        v += step;
    }
    return values;
}
