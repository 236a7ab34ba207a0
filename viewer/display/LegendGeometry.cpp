#include "LegendGeometry.h"

#include <algorithm>

int LegendTop(int k, int legendHeight, int stepCount) {
    return static_cast<int>(legendHeight / (stepCount + 1.0) * (k + 0.3)) + 1;
}

int LegendItemHeight(int legendHeight, int stepCount) { return legendHeight / (2 * stepCount); }

int LegendInnerHeight(int panelHeight) { return std::max(0, panelHeight - 2 * LegendFrameWidth); }

QRect LegendBoxRect(int k, int panelHeight, int stepCount) {
    const int inner = LegendInnerHeight(panelHeight);
    return {LegendBoxLeft, LegendTop(k, inner, stepCount), LegendBoxWidth,
            std::max(1, LegendItemHeight(inner, stepCount))};
}

QRect LegendLabelRect(int k, int panelHeight, int labelWidth, int stepCount) {
    const int inner = LegendInnerHeight(panelHeight);
    return {LegendLabelLeft, LegendTop(k, inner, stepCount), labelWidth,
            std::max(1, LegendItemHeight(inner, stepCount))};
}

int LegendPanelWidth(int labelWidth) {
    return std::max(LegendMinimumWidth,
                    LegendLabelLeft + labelWidth + LegendRightMargin + LegendFrameWidth);
}
