#pragma once
#include <QRect>

#include "Palettes.h"

// Where legend box and label k sit. The legend panel has a one-pixel sunken frame; the places
// are measured from the panel's top-left corner, the heights from the height inside the frame.
inline constexpr int LegendBoxLeft = 11;
inline constexpr int LegendBoxWidth = 20;
inline constexpr int LegendLabelLeft = 35;
inline constexpr int LegendFrameWidth = 1;
// The panel is at least this wide; wider when a label needs more room.
inline constexpr int LegendMinimumWidth = 107;
// Room kept between the end of the widest label and the panel's right frame.
inline constexpr int LegendRightMargin = 4;

// trunc(legendHeight / (stepCount + 1) * (k + 0.3)) + 1
int LegendTop(int k, int legendHeight, int stepCount = ColorStepCount);

// The height of a box and of a label: legendHeight div (2 * stepCount).
int LegendItemHeight(int legendHeight, int stepCount = ColorStepCount);

// The height inside the frame of a panel `panelHeight` pixels high.
int LegendInnerHeight(int panelHeight);

// Box k and label k of a panel `panelHeight` pixels high; a label is `labelWidth` wide.
QRect LegendBoxRect(int k, int panelHeight, int stepCount = ColorStepCount);
QRect LegendLabelRect(int k, int panelHeight, int labelWidth, int stepCount = ColorStepCount);

// The panel's width for labels `labelWidth` pixels wide.
int LegendPanelWidth(int labelWidth);
