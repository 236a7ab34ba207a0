#pragma once
#include <QRect>
#include <optional>

// The pixels an arrow from (0, 0) may write, worked out without its exact sine and cosine, so
// that an arrow under later ones can be passed by before its shape is made: the box holds the
// arrow's ArrowReach for a pen `thickness` wide whenever it is given. `length` is the shaft's
// length (ArrowShaper::lengthOf) and `peakLength` the head strokes' length. None when the angle
// or the lengths are too large for the box to be sure.
std::optional<QRect> CoarseArrowBox(double angle, double length, double peakLength, int thickness);
