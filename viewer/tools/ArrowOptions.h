#pragma once
#include "Colour.h"

// The value of pi the arrow tools compute with; their angles and directions are defined with
// this ten-digit value, not with full precision.
inline constexpr double ArrowPi = 3.141592653;

// How arrows are drawn: lengths in pixels, the pen width and the length of the two head
// strokes. The colour is the one of the options dialog's example arrows.
struct ArrowOptions {
    int ArrowMinLength = 10;
    int ArrowMaxLength = 50;
    int ArrowThickness = 2;
    int ArrowPeakLength = 5;
    Colour ArrowColor = Colour::fromRgb(0, 128, 0);

    friend bool operator==(const ArrowOptions&, const ArrowOptions&) = default;
};
