#pragma once
#include <array>

#include "Colour.h"

// Number of colour steps of a palette. A palette holds ColorStepCount + 1 colours (indices
// 0..20), and there are as many class bounds and legend boxes.
inline constexpr int ColorStepCount = 20;

// The palettes built into the viewer come first in the palette list, before the file palettes.
inline constexpr int BuiltInPaletteCount = 6;

// A built-in palette: its name in the palette combo box and the three colour stops at colour
// index 0, ColorStepCount / 2 and ColorStepCount.
struct BuiltInPalette {
    const char* name;
    Colour start;
    Colour middle;
    Colour end;
};

extern const std::array<BuiltInPalette, BuiltInPaletteCount> BuiltInPalettes;

// The colour at `step` (0..stepCount) of the three-stop ramp start -> middle -> end. The lower
// half blends start into middle with t^gamma, the upper half middle into end with t^(1/gamma);
// each channel is truncated toward zero. `step` == stepCount gives `end` unchanged.
Colour GetPaletteColor(int step, Colour start, Colour middle, Colour end, double gamma,
                       int stepCount = ColorStepCount);
