#pragma once
#include <QString>
#include <vector>

#include "GridHeader.h"
#include "Palettes.h"

// The class bounds (the lower value of each colour class) and the texts of the legend labels.
struct LegendValues {
    std::vector<double> ClassBounds;
    std::vector<QString> labels;  // each bound as "%.7g"
};

// The bounds of the shown grid: from the set range (lo, hi, their middle) or from the
// statistics (Minimum, Maximum, Average). The lower half of the classes steps from lo to mid,
// the upper half from mid to hi, by repeated addition, so bound ColorStepCount / 2 sits at mid.
LegendValues UpdateLegendValues(const GridStatistics& statistics, bool RangeSet, double RangeMin,
                                double RangeMax, int stepCount = ColorStepCount);

// The bounds the legend starts with before a grid is shown: 0, 1, .. stepCount.
LegendValues InitialLegendValues(int stepCount = ColorStepCount);
