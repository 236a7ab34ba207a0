#pragma once

struct SineCosine {
    double sine;
    double cosine;
};

// The sine and cosine of `angle` (radians) within 2e-15 of the exact values for |angle| up to
// 1e5, from polynomials that need no call; NaN for larger angles and for NaN. The arrow shapes
// use it where they can tell that an error that small cannot change their result.
SineCosine NearSineCosine(double angle);
