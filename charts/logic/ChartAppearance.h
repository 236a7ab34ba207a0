#pragma once
// The chart's background gradient: switching it, choosing its colours and the yellow default.
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
