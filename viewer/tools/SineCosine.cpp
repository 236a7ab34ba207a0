#include "SineCosine.h"

#include <cmath>
#include <limits>

namespace {

constexpr double TwoOverPi = 0.636619772367581343076;
// pi / 2 in three parts; the first two have 33 significant bits, so their products with a
// quadrant count below 2^20 are exact.
constexpr double HalfPi1 = 0x1.921fb544p+0;
constexpr double HalfPi2 = 0x1.0b4611a6p-34;
constexpr double HalfPi3 = 0x1.3198a2e037073p-69;

// Taylor series on [-pi/4, pi/4]; the first term left out is below 5e-17 there.
inline double sineNearZero(double r) {
    const double r2 = r * r;
    double sum = -1.0 / 1307674368000.0;  // r^15 / 15!
    sum = sum * r2 + 1.0 / 6227020800.0;
    sum = sum * r2 - 1.0 / 39916800.0;
    sum = sum * r2 + 1.0 / 362880.0;
    sum = sum * r2 - 1.0 / 5040.0;
    sum = sum * r2 + 1.0 / 120.0;
    sum = sum * r2 - 1.0 / 6.0;
    return r + r * r2 * sum;
}

inline double cosineNearZero(double r) {
    const double r2 = r * r;
    double sum = 1.0 / 20922789888000.0;  // r^16 / 16!
    sum = sum * r2 - 1.0 / 87178291200.0;
    sum = sum * r2 + 1.0 / 479001600.0;
    sum = sum * r2 - 1.0 / 3628800.0;
    sum = sum * r2 + 1.0 / 40320.0;
    sum = sum * r2 - 1.0 / 720.0;
    sum = sum * r2 + 1.0 / 24.0;
    sum = sum * r2 - 0.5;
    return 1.0 + r2 * sum;
}

}  // namespace

SineCosine NearSineCosine(double angle) {
    if (!(std::fabs(angle) <= 1e5)) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan};
    }
    // Any whole number near angle / (pi / 2) leaves a remainder the series covers.
    const double scaled = angle * TwoOverPi;
    const double quadrants =
        static_cast<double>(static_cast<long>(scaled + (scaled < 0 ? -0.5 : 0.5)));
    const double r = ((angle - quadrants * HalfPi1) - quadrants * HalfPi2) - quadrants * HalfPi3;
    const double sine = sineNearZero(r);
    const double cosine = cosineNearZero(r);
    switch (static_cast<long>(quadrants) & 3) {
        case 0:
            return {sine, cosine};
        case 1:
            return {cosine, -sine};
        case 2:
            return {-sine, -cosine};
        default:
            return {-cosine, sine};
    }
}
