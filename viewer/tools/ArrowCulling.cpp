#include "ArrowCulling.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "ArrowOptions.h"
#include "ArrowShape.h"
#include "SineCosine.h"
#include "VectorLanes.h"

namespace {

// The boxes' sine and cosine lie within this of the exact ones, and so within it of those the
// shapes use (NearSineCosine or the library's): short polynomials on [-pi/4, pi/4], whose
// first terms left out are below 3e-8, after a quarter turn taken away with a pi / 2 that is
// off by less than 1e-16 per quarter turn.
constexpr double SineCosineError = 1e-7;
// Beyond these the boxes' corners would be found less exactly.
constexpr double MaxAngle = 1e5;
constexpr double MaxLength = 1e5;

const double CosHead = std::cos(ArrowPi / 7);
const double SinHead = std::sin(ArrowPi / 7);

// How far the box reaches beyond the corners of the arrow's strokes. The shapes place the tip
// and the head ends within a pixel (two for the heads' rounding) of the places the exact sine
// and cosine give, and the pen writes within its width and a pixel more around them; an error
// in the sine and cosine moves each end by at most that error times the shaft's length and
// twice the head's.
double marginOf(double length, double peakLength, int thickness) {
    return 2 + std::max(thickness, 1) + 2 + 1 +
           (std::fabs(length) + 2 * std::fabs(peakLength)) * SineCosineError;
}

// For values well within the range of int.
int floorToInt(double value) {
    const int truncated = static_cast<int>(value);
    return truncated - (value < truncated);
}
int ceilToInt(double value) {
    const int truncated = static_cast<int>(value);
    return truncated + (value > truncated);
}

}  // namespace

std::optional<QRect> CoarseArrowBox(double angle, double length, double peakLength, int thickness) {
    // Written so that a NaN never gives a box.
    if (!(std::fabs(angle) <= MaxAngle && std::fabs(length) <= MaxLength &&
          std::fabs(peakLength) <= MaxLength))
        return std::nullopt;
    const SineCosine near = NearSineCosine(angle);
    const double margin = marginOf(length, peakLength, thickness);
    const double tipX = near.cosine * length;
    const double tipY = near.sine * length;
    const double head1X = tipX - (near.cosine * CosHead - near.sine * SinHead) * peakLength;
    const double head1Y = tipY - (near.sine * CosHead + near.cosine * SinHead) * peakLength;
    const double head2X = tipX - (near.cosine * CosHead + near.sine * SinHead) * peakLength;
    const double head2Y = tipY - (near.sine * CosHead - near.cosine * SinHead) * peakLength;
    const double left = std::min(std::min(0.0, tipX), std::min(head1X, head2X)) - margin;
    const double right = std::max(std::max(0.0, tipX), std::max(head1X, head2X)) + margin;
    const double top = std::min(std::min(0.0, tipY), std::min(head1Y, head2Y)) - margin;
    const double bottom = std::max(std::max(0.0, tipY), std::max(head1Y, head2Y)) + margin;
    return QRect(QPoint(floorToInt(left), floorToInt(top)),
                 QPoint(ceilToInt(right), ceilToInt(bottom)));
}

CoarseArrowBoxes::CoarseArrowBoxes(double maxMagnitude, const ArrowOptions& options)
    : maxMagnitude_(maxMagnitude),
      maxLength_(options.ArrowMaxLength),
      minLength_(options.ArrowMinLength),
      peakLength_(options.ArrowPeakLength),
      thickness_(options.ArrowThickness) {}

void CoarseArrowBoxes::findOne(int k, double direction, double magnitude) {
    const auto index = static_cast<std::size_t>(k);
    // The angle and length as ScreenAngleOf and ArrowShaper::lengthOf compute them.
    const std::optional<QRect> box = CoarseArrowBox(
        ScreenAngleOf(direction), magnitude / maxMagnitude_ * maxLength_ + minLength_, peakLength_,
        thickness_);
    left[index] = box ? box->left() : 1;
    top[index] = box ? box->top() : 0;
    right[index] = box ? box->right() : 0;
    bottom[index] = box ? box->bottom() : 0;
}

// The vector helpers below take and give vectors as wide as AVX2's within this file only, where
// the ABI note on passing them without AVX does not matter.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace {

// What the boxes of a row are found from and written to.
struct BoxJob {
    const double* directions;
    const double* magnitudes;
    int count;
    double maxMagnitude;
    double maxLength;
    double minLength;
    double peakLength;
    double baseMargin;  // marginOf(0, peakLength, thickness)
    std::int32_t* left;
    std::int32_t* top;
    std::int32_t* right;
    std::int32_t* bottom;
};

// The steps of CoarseArrowBox for Lanes arrows at a time, without branches, in vectors of
// `Doubles` (and `Longs` and `Ints` as wide), with the sine and cosine from short polynomials.
// Returns how many arrows it did: the whole groups of Lanes.
template <class Doubles, class Longs, class Ints, int Lanes>
[[gnu::always_inline]] inline int findBoxGroups(const BoxJob& job) {
    constexpr double Shift = 6755399441055744.0;  // 1.5 * 2^52
    constexpr double HalfPi = 1.57079632679489661923;
    const Longs noSign = Longs{} + 0x7FFFFFFFFFFFFFFF;
    const auto abs = [&](Doubles x) { return Doubles(Longs(x) & noSign); };
    int k = 0;
    for (; k + Lanes <= job.count; k += Lanes) {
        Doubles direction;
        Doubles magnitude;
        std::memcpy(&direction, job.directions + k, sizeof direction);
        std::memcpy(&magnitude, job.magnitudes + k, sizeof magnitude);
        // As ScreenAngleOf and ArrowShaper::lengthOf compute them; arrows without a box are
        // given angle and length 0, so that every lane stays a small number.
        Doubles angle = (direction - 90) * ArrowPi / 180;
        Doubles length = magnitude / job.maxMagnitude * job.maxLength + job.minLength;
        const Longs given = (abs(angle) <= MaxAngle) & (abs(length) <= MaxLength);
        angle = given ? angle : 0;
        length = given ? length : 0;

        // The nearest number of quarter turns, in the low bits after adding 1.5 * 2^52.
        const Doubles shifted = angle * sine_cosine_detail::TwoOverPi + Shift;
        const Doubles r = angle - (shifted - Shift) * HalfPi;
        const Doubles r2 = r * r;
        const Doubles sineR =
            r + r * r2 * (((r2 * (1.0 / 362880) - 1.0 / 5040) * r2 + 1.0 / 120) * r2 - 1.0 / 6);
        const Doubles cosineR =
            1 + r2 * (((r2 * (1.0 / 40320) - 1.0 / 720) * r2 + 1.0 / 24) * r2 - 0.5);
        // Odd quarter turns swap the sine and cosine; the sine changes sign in quarter turns 2
        // and 3, the cosine in 1 and 2.
        const Longs quarterTurns = Longs(shifted);
        const Longs swap = (Longs(sineR) ^ Longs(cosineR)) & -(quarterTurns & 1);
        const Doubles sine = Doubles(Longs(sineR) ^ swap ^ ((quarterTurns & 2) << 62));
        const Doubles cosine = Doubles(Longs(cosineR) ^ swap ^ (((quarterTurns + 1) & 2) << 62));

        const Doubles tipX = cosine * length;
        const Doubles tipY = sine * length;
        const Doubles head1X = tipX - (cosine * CosHead - sine * SinHead) * job.peakLength;
        const Doubles head1Y = tipY - (sine * CosHead + cosine * SinHead) * job.peakLength;
        const Doubles head2X = tipX - (cosine * CosHead + sine * SinHead) * job.peakLength;
        const Doubles head2Y = tipY - (sine * CosHead - cosine * SinHead) * job.peakLength;
        const Doubles margin = job.baseMargin + abs(length) * SineCosineError;
        const auto min = [](Doubles a, Doubles b) { return a < b ? a : b; };
        const auto max = [](Doubles a, Doubles b) { return a > b ? a : b; };
        const Doubles zero{};
        const Doubles lefts = min(min(zero, tipX), min(head1X, head2X)) - margin;
        const Doubles rights = max(max(zero, tipX), max(head1X, head2X)) + margin;
        const Doubles tops = min(min(zero, tipY), min(head1Y, head2Y)) - margin;
        const Doubles bottoms = max(max(zero, tipY), max(head1Y, head2Y)) + margin;

        const auto floors = [](Doubles x) {
            const Ints truncated = __builtin_convertvector(x, Ints);
            return truncated +
                   __builtin_convertvector(x < __builtin_convertvector(truncated, Doubles), Ints);
        };
        const auto ceilings = [](Doubles x) {
            const Ints truncated = __builtin_convertvector(x, Ints);
            return truncated -
                   __builtin_convertvector(x > __builtin_convertvector(truncated, Doubles), Ints);
        };
        // An arrow without a box gets left 1 and right 0.
        const Ints givenInts = __builtin_convertvector(given, Ints);
        const Ints leftInts = (floors(lefts) & givenInts) | (1 & ~givenInts);
        const Ints rightInts = ceilings(rights) & givenInts;
        const Ints topInts = floors(tops);
        const Ints bottomInts = ceilings(bottoms);
        std::memcpy(job.left + k, &leftInts, sizeof leftInts);
        std::memcpy(job.top + k, &topInts, sizeof topInts);
        std::memcpy(job.right + k, &rightInts, sizeof rightInts);
        std::memcpy(job.bottom + k, &bottomInts, sizeof bottomInts);
    }
    return k;
}

int findBoxesBaseline(const BoxJob& job) { return findBoxGroups<Doubles2, Longs2, Ints2, 2>(job); }

#if defined(__x86_64__)
[[gnu::target("avx2")]] int findBoxesAvx2(const BoxJob& job) {
    return findBoxGroups<Doubles4, Longs4, Ints4, 4>(job);
}
#endif

}  // namespace

bool CoarseArrowBoxes::available(Path path) { return path == Path::Baseline || ProcessorHasAvx2(); }

void CoarseArrowBoxes::findFor(const double* directions, const double* magnitudes, int count) {
    findFor(directions, magnitudes, count, ProcessorHasAvx2() ? Path::Avx2 : Path::Baseline);
}

void CoarseArrowBoxes::findFor(const double* directions, const double* magnitudes, int count,
                               Path path) {
    const auto size = static_cast<std::size_t>(count);
    left.resize(size);
    top.resize(size);
    right.resize(size);
    bottom.resize(size);
    int k = 0;
    if (std::fabs(peakLength_) <= MaxLength) {
        const BoxJob job{
            directions,  magnitudes, count,        maxMagnitude_,
            maxLength_,  minLength_, peakLength_,  marginOf(0, peakLength_, thickness_),
            left.data(), top.data(), right.data(), bottom.data()};
#if defined(__x86_64__)
        if (path == Path::Avx2 && ProcessorHasAvx2())
            k = findBoxesAvx2(job);
        else
#endif
            k = findBoxesBaseline(job);
    }
    for (; k < count; ++k) findOne(k, directions[k], magnitudes[k]);
}
