#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "Colour.h"

// What the value-to-colour mapping reads: the class bounds, the colours of the legend boxes
// (the colour of class k is the colour of box k, not the palette's) and the
// "discontinuous colors" switch.
struct ColourClasses {
    std::vector<double> ClassBounds;
    std::vector<Colour> LegendColours;
    bool DiscontinuousColors = false;
};

// The colour of a cell value (nodata cells never come here). Values at or below the lowest
// bound take class 0; otherwise the first class j with bound[j] <= v < bound[j + 1] (scanned
// from the bottom, so bounds typed out of order still map), at most the last but one class.
// Discontinuous: that class's colour. Continuous: the blend towards the next class's colour by
// the position of v between the two bounds (0 for equal bounds, clamped to [0, 1], a NaN
// position counts as 0), each channel truncated toward zero.
// Only the first min(bounds, colours) classes are used; without classes the colour is black.
Colour GetColorDyn(double value, const ColourClasses& classes);

// The same mapping prepared for many values; it gives exactly GetColorDyn's colours. When the
// bounds do not descend anywhere, a table of value buckets tells where to start looking and a
// short walk along the bounds finds the class; otherwise it scans like GetColorDyn.
class ColourLookup {
public:
    // How pixels() blends: value by value, several at a time in vectors, or four at a time
    // where the processor has AVX2. Every path gives the same pixels.
    enum class Path { Scalar, Baseline, Avx2 };
    static bool available(Path path);

    explicit ColourLookup(const ColourClasses& classes);

    Colour colour(double value) const;
    // The colour as a pixel of an RGB32 image (0xFFRRGGBB).
    std::uint32_t pixel(double value) const;
    // pixel() of each of the `count` values, into `out`.
    void pixels(const double* values, std::uint32_t* out, std::size_t count) const;
    void pixels(const double* values, std::uint32_t* out, std::size_t count, Path path) const;

private:
    // A class colour ready for blending and for writing as a pixel.
    struct ClassColour {
        double red;
        double green;
        double blue;
        std::uint32_t pixel;
    };

    // A class ready for blending without a branch: its lower bound, its width and the
    // channels of its colour and of the next class's.
    struct Blend {
        double low;
        double width;
        double fromRed, fromGreen, fromBlue;
        double toRed, toGreen, toBlue;
    };

    int classOf(double value) const;
    int classAbove(double value) const;
    void buildHints();

    std::vector<double> bounds_;
    std::vector<Colour> colours_;
    std::vector<ClassColour> classColours_;
    std::vector<Blend> blends_;  // one per class but the last
    // The blends' fields in Blend's order, each in an array of its own.
    std::array<std::vector<double>, 8> blendColumns_;
    std::vector<std::uint8_t> hints_;  // per bucket: a class to start the walk from
    double bucketScale_ = 0;           // buckets per value unit above the lowest bound
    bool discontinuous_ = false;
    bool ascending_ = false;
};
