#pragma once
// The chart's own looks apart from the series: the background gradient, the legend and the
// logarithmic value axis.
#include "Colour.h"
#include "UserDialogs.h"

// The gradient colours that switching the gradient on applies; noted from the chart at
// start-up and changed by the gradient colour dialogs.
struct GradientColours {
    Colour start{0xFFFFFF};
    Colour end{0x80FFFF};
};

struct ChartGradient {
    bool visible = true;
    int direction = 0;  // 0 top to bottom
    Colour start{0xFFFFFF};
    Colour end{0x80FFFF};
};

// The gradient after the switch went on (top to bottom, the stored colours, visible) or off
// (only hidden).
ChartGradient switchedGradient(ChartGradient gradient, bool on, const GradientColours& stored);

// Asks for the start colour, then the end colour, each preset with the stored one; a chosen
// colour is stored. Returns the gradient with both stored colours, also after a cancel, so
// cancelling undoes "Set Gradient Color Default (yellow)".
ChartGradient chooseGradientColours(UserDialogs& dialogs, ChartGradient gradient,
                                    GradientColours& stored);

// White to light yellow, leaving the stored colours as they are.
ChartGradient defaultYellowGradient(ChartGradient gradient);

// Switching the value axis to logarithmic shows 0.001..1000, unless the range is fixed.
// The axis refuses a minimum above its maximum, so an axis that lies wholly below 0.001 is
// first given the maximum 0.002. Axis: setMinimum, setMaximum (returning false when
// refused), logarithmic and setLogarithmic.
template <class Axis>
void setLogarithmicStartRange(Axis& axis) {
    if (!axis.setMinimum(0.001)) {
        axis.setMaximum(0.002);
        axis.setMinimum(0.001);
    }
    axis.setMaximum(1000.0);
}

// The check box of the logarithmic axis: the start range unless the range is fixed, then
// the logarithmic flag toggles.
template <class Axis>
void toggleLogarithmic(Axis& axis, bool rangeFixed) {
    if (!rangeFixed) setLogarithmicStartRange(axis);
    axis.setLogarithmic(!axis.logarithmic());
}
