#include "ChartAppearance.h"

ChartGradient switchedGradient(ChartGradient gradient, bool on, const GradientColours& stored) {
    gradient.visible = on;
    if (on) {
        gradient.direction = 0;
        gradient.start = stored.start;
        gradient.end = stored.end;
    }
    return gradient;
}

ChartGradient chooseGradientColours(UserDialogs& dialogs, ChartGradient gradient,
                                    GradientColours& stored) {
    if (const auto start = dialogs.chooseColour(stored.start)) stored.start = *start;
    if (const auto end = dialogs.chooseColour(stored.end)) stored.end = *end;
    gradient.start = stored.start;
    gradient.end = stored.end;
    return gradient;
}

ChartGradient defaultYellowGradient(ChartGradient gradient) {
    gradient.start = Colour(0xFFFFFF);
    gradient.end = Colour(0x80FFFF);
    return gradient;
}
