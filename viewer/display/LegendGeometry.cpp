#include "LegendGeometry.h"

int LegendTop(int k, int legendHeight, int stepCount) {
    return static_cast<int>(legendHeight / (stepCount + 1.0) * (k + 0.3)) + 1;
}

int LegendItemHeight(int legendHeight, int stepCount) { return legendHeight / (2 * stepCount); }
