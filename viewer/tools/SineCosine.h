#pragma once
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

struct SineCosine {
    double sine;
    double cosine;
};

namespace sine_cosine_detail {

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

}  // namespace sine_cosine_detail

// The sine and cosine of `angle` (radians) within 2e-15 of the exact values for |angle| up to
// 1e5, from polynomials that need no call; NaN for larger angles and for NaN. The arrow shapes
// use it where they can tell that an error that small cannot change their result.
inline SineCosine NearSineCosine(double angle) {
    using namespace sine_cosine_detail;
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
    // Quadrant q turns (sine, cosine) a quarter turn q times: odd quadrants swap the two, the
    // sine changes sign in quadrants 2 and 3, the cosine in 1 and 2. Chosen without branches,
    // as the quadrants of neighbouring arrows follow no pattern.
    const auto quadrant = static_cast<unsigned>(static_cast<long>(quadrants)) & 3;
    const double both[2] = {sine, cosine};
    const double swappedSine = both[quadrant & 1];
    const double swappedCosine = both[(quadrant & 1) ^ 1];
    const std::uint64_t sineSign = std::uint64_t(quadrant >> 1) << 63;
    const std::uint64_t cosineSign = std::uint64_t(((quadrant + 1) >> 1) & 1) << 63;
    return {std::bit_cast<double>(std::bit_cast<std::uint64_t>(swappedSine) ^ sineSign),
            std::bit_cast<double>(std::bit_cast<std::uint64_t>(swappedCosine) ^ cosineSign)};
}
