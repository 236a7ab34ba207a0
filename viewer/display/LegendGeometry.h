#pragma once
#include "Palettes.h"

// Where legend box and label k sit in a legend of `legendHeight` pixels.
inline constexpr int LegendBoxLeft = 11;
inline constexpr int LegendBoxWidth = 20;
inline constexpr int LegendLabelLeft = 35;

// trunc(legendHeight / (stepCount + 1) * (k + 0.3)) + 1
int LegendTop(int k, int legendHeight, int stepCount = ColorStepCount);

// The height of a box and of a label: legendHeight div (2 * stepCount).
int LegendItemHeight(int legendHeight, int stepCount = ColorStepCount);
