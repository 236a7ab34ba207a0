#pragma once
#include <QRect>
#include <cstdint>
#include <optional>
#include <vector>

struct ArrowOptions;

// The pixels an arrow from (0, 0) may write, worked out from its angle and lengths alone, so
// that an arrow under later ones can be passed by before its shape is made: the box holds the
// arrow's ArrowReach for a pen `thickness` wide whenever it is given. `length` is
// the shaft's length (ArrowShaper::lengthOf) and `peakLength` the head strokes' length. None
// when the angle or the lengths are too large for the box to be sure.
std::optional<QRect> CoarseArrowBox(double angle, double length, double peakLength, int thickness);

// CoarseArrowBox for a row of arrows at once, from their compass directions and magnitudes as
// the overlay has them: several arrows at a time in the vector registers, without branches,
// four at a time where the processor has AVX2.
class CoarseArrowBoxes {
public:
    enum class Path { Baseline, Avx2 };
    static bool available(Path path);

    CoarseArrowBoxes(double maxMagnitude, const ArrowOptions& options);

    // Finds the boxes of `count` arrows; the largest magnitude must not be 0. The paths may
    // give boxes of different sizes, each holding the arrow's reach.
    void findFor(const double* directions, const double* magnitudes, int count);
    void findFor(const double* directions, const double* magnitudes, int count, Path path);

    // Whether arrow k has a box, whose sides relative to the arrow's start follow.
    bool given(int k) const { return left[k] <= right[k]; }
    std::vector<std::int32_t> left;
    std::vector<std::int32_t> top;
    std::vector<std::int32_t> right;
    std::vector<std::int32_t> bottom;

private:
    void findOne(int k, double direction, double magnitude);

    double maxMagnitude_;
    double maxLength_;
    double minLength_;
    double peakLength_;
    int thickness_;
};
