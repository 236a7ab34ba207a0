#include "ColourMapping.h"

#include "VectorLanes.h"

// The vector helpers below pass vectors as wide as AVX2's within this file only, where the ABI
// note on passing them without AVX does not matter.
#pragma GCC diagnostic ignored "-Wpsabi"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

int classCount(const ColourClasses& classes) {
    return static_cast<int>(std::min(classes.ClassBounds.size(), classes.LegendColours.size()));
}

// The first class j with bounds[j] <= v < bounds[j + 1], or count - 1 when there is none.
inline int scanClass(const double* bounds, int count, double value) {
    for (int j = 0; j < count - 1; ++j)
        if (bounds[j] <= value && bounds[j + 1] > value) return j;
    return count - 1;
}

// The position of `value` between bound k and bound k + 1, within [0, 1].
inline double weightOf(const double* bounds, int k, double value) {
    const double width = bounds[k + 1] - bounds[k];
    double w = width == 0 ? 0.0 : (value - bounds[k]) / width;
    if (!(w >= 0)) w = 0;  // also catches a NaN position
    if (w > 1) w = 1;
    return w;
}

inline int blendChannel(int to, int from, double w) {
    return static_cast<int>(to * w + from * (1 - w));
}

inline Colour blend(Colour from, Colour to, double w) {
    return Colour::fromRgb(blendChannel(to.red(), from.red(), w),
                           blendChannel(to.green(), from.green(), w),
                           blendChannel(to.blue(), from.blue(), w));
}

// Both lookups share this tail, so they differ only in how they find the class.
inline Colour colourOfClass(const double* bounds, const Colour* colours, int count, int k,
                            double value, bool discontinuous) {
    k = std::min(k, count - 2);
    if (discontinuous) return colours[k];
    return blend(colours[k], colours[k + 1], weightOf(bounds, k, value));
}

}  // namespace

Colour GetColorDyn(double value, const ColourClasses& classes) {
    const int count = classCount(classes);
    if (count == 0) return Colour();
    const double* bounds = classes.ClassBounds.data();
    const Colour* colours = classes.LegendColours.data();
    if (count == 1 || bounds[0] >= value) return colours[0];
    return colourOfClass(bounds, colours, count, scanClass(bounds, count, value), value,
                         classes.DiscontinuousColors);
}

ColourLookup::ColourLookup(const ColourClasses& classes)
    : bounds_(classes.ClassBounds.begin(), classes.ClassBounds.begin() + classCount(classes)),
      colours_(classes.LegendColours.begin(), classes.LegendColours.begin() + classCount(classes)),
      discontinuous_(classes.DiscontinuousColors) {
    // Non-descending bounds (ties allowed, no NaN): the first match of the scan is the last
    // bound not above the value, so the class is the number of bounds 1.. not above it.
    ascending_ = true;
    for (std::size_t j = 0; j + 1 < bounds_.size(); ++j)
        if (!(bounds_[j] <= bounds_[j + 1])) ascending_ = false;
    if (ascending_) buildHints();
    for (Colour c : colours_)
        classColours_.push_back({static_cast<double>(c.red()), static_cast<double>(c.green()),
                                 static_cast<double>(c.blue()), c.argb()});
    for (std::size_t k = 0; k + 1 < classColours_.size(); ++k) {
        const ClassColour& from = classColours_[k];
        const ClassColour& to = classColours_[k + 1];
        blends_.push_back({bounds_[k], bounds_[k + 1] - bounds_[k], from.red, from.green, from.blue,
                           to.red, to.green, to.blue});
        const Blend& blend = blends_.back();
        const double fields[] = {blend.low,      blend.width, blend.fromRed, blend.fromGreen,
                                 blend.fromBlue, blend.toRed, blend.toGreen, blend.toBlue};
        for (std::size_t f = 0; f < blendColumns_.size(); ++f)
            blendColumns_[f].push_back(fields[f]);
    }
}

void ColourLookup::buildHints() {
    constexpr int bucketCount = 256;
    const int count = static_cast<int>(bounds_.size());
    if (count < 2 || count > 255) return;
    const double width = bounds_[count - 1] - bounds_[0];
    const double scale = bucketCount / width;
    if (!(width > 0) || !std::isfinite(scale)) return;
    bucketScale_ = scale;
    hints_.resize(bucketCount);
    int k = 0;
    for (int bucket = 0; bucket < bucketCount; ++bucket) {
        const double low = bounds_[0] + bucket / scale;
        while (k < count - 1 && bounds_[k + 1] <= low) ++k;
        hints_[bucket] = static_cast<std::uint8_t>(k);
    }
}

inline int ColourLookup::classOf(double value) const {
    const int count = static_cast<int>(bounds_.size());
    if (!ascending_) return scanClass(bounds_.data(), count, value);
    // The hint only shortens the walk; the walk alone decides the class: down while the
    // bound is above the value, then up while the next bound is not above it. A NaN value
    // walks up to the end, past the last class, as in the scan.
    int k = 0;
    const double bucket = (value - bounds_[0]) * bucketScale_;
    if (!hints_.empty()) {
        if (bucket >= 0 && bucket < static_cast<double>(hints_.size()))
            k = hints_[static_cast<int>(bucket)];
        else if (bucket >= static_cast<double>(hints_.size()))
            k = count - 1;
    }
    while (k > 0 && bounds_[k] > value) --k;
    while (k < count - 1 && !(bounds_[k + 1] > value)) ++k;
    return k;
}

// classOf for a value above the lowest bound (or NaN), whose bucket is not below 0.
inline int ColourLookup::classAbove(double value) const {
    const int count = static_cast<int>(bounds_.size());
    if (hints_.empty()) return classOf(value);
    // The walk ends on the same class from wherever it starts.
    const double bucket = (value - bounds_[0]) * bucketScale_;
    int k =
        bucket < static_cast<double>(hints_.size()) ? hints_[static_cast<int>(bucket)] : count - 1;
    while (k > 0 && bounds_[k] > value) --k;
    while (k < count - 1 && !(bounds_[k + 1] > value)) ++k;
    return k;
}

Colour ColourLookup::colour(double value) const {
    const int count = static_cast<int>(bounds_.size());
    if (count == 0) return Colour();
    if (count == 1 || bounds_[0] >= value) return colours_[0];
    return colourOfClass(bounds_.data(), colours_.data(), count, classOf(value), value,
                         discontinuous_);
}

std::uint32_t ColourLookup::pixel(double value) const {
    const int count = static_cast<int>(bounds_.size());
    if (count == 0) return Colour().argb();
    if (count == 1 || bounds_[0] >= value) return classColours_[0].pixel;
    const int k = std::min(classOf(value), count - 2);
    const ClassColour& from = classColours_[k];
    if (discontinuous_) return from.pixel;
    // The blend of GetColorDyn, on channels converted once per paint.
    const ClassColour& to = classColours_[k + 1];
    const double w = weightOf(bounds_.data(), k, value);
    const auto channel = [w](double high, double low) {
        return static_cast<std::uint32_t>(static_cast<int>(high * w + low * (1 - w)));
    };
    return 0xFF000000u | channel(to.red, from.red) << 16 | channel(to.green, from.green) << 8 |
           channel(to.blue, from.blue);
}

namespace {

// Above this many classes the count of bounds below a value costs more than the walk.
constexpr int MostVectorClasses = 64;

// What the vector blend reads: the bounds, and the blends' fields each in an array of its own.
struct BlendColumns {
    const double* bounds;
    int classes;
    const double* low;
    const double* width;
    const double* fromRed;
    const double* fromGreen;
    const double* fromBlue;
    const double* toRed;
    const double* toGreen;
    const double* toBlue;
};

// The entries n[0], n[1], ... of `field` as the lanes of a vector.
template <class Doubles, std::size_t... Lane>
[[gnu::always_inline]] inline Doubles gatherLanes(const double* field, const std::size_t* n,
                                                  std::index_sequence<Lane...>) {
    return Doubles{field[n[Lane]]...};
}

// The continuous pixels() for ascending bounds, Lanes values at a time in vectors of `Doubles`
// (`Longs` and `Ints` as many lanes), with the same operations in the same order, so every
// pixel is the same. A value's class is the number of bounds 1.. not above it (the walk's
// class for ascending bounds), a NaN's the last but one. Returns how many values it did.
template <class Doubles, class Longs, class Ints, int Lanes>
[[gnu::always_inline]] inline std::size_t blendGroups(const BlendColumns& table,
                                                      const double* values, std::uint32_t* out,
                                                      std::size_t count) {
    const Longs lastBlend = Longs{} + (table.classes - 2);
    std::size_t i = 0;
    for (; i + Lanes <= count; i += Lanes) {
        Doubles value;
        std::memcpy(&value, values + i, sizeof value);
        const Longs low = table.bounds[0] >= value;
        Longs k{};
        for (int j = 1; j < table.classes; ++j) k -= table.bounds[j] <= value;
        k = k < lastBlend ? k : lastBlend;
        k = value != value ? lastBlend : k;
        k = low ? Longs{} : k;
        std::size_t n[Lanes];
        for (int lane = 0; lane < Lanes; ++lane) n[lane] = static_cast<std::size_t>(k[lane]);
        constexpr auto lanes = std::make_index_sequence<Lanes>();
        const Doubles lows = gatherLanes<Doubles>(table.low, n, lanes);
        const Doubles widths = gatherLanes<Doubles>(table.width, n, lanes);
        const Doubles fromRed = gatherLanes<Doubles>(table.fromRed, n, lanes);
        const Doubles fromGreen = gatherLanes<Doubles>(table.fromGreen, n, lanes);
        const Doubles fromBlue = gatherLanes<Doubles>(table.fromBlue, n, lanes);
        const Doubles toRed = gatherLanes<Doubles>(table.toRed, n, lanes);
        const Doubles toGreen = gatherLanes<Doubles>(table.toGreen, n, lanes);
        const Doubles toBlue = gatherLanes<Doubles>(table.toBlue, n, lanes);
        const Doubles position = (value - lows) / widths;
        Doubles w = widths == 0 ? Doubles{} : position;
        w = w >= 0 ? w : Doubles{};  // also a NaN position
        w = w > 1 ? Doubles{} + 1 : w;
        w = low ? Doubles{} : w;
        const Doubles rest = 1 - w;
        const Ints red = __builtin_convertvector(toRed * w + fromRed * rest, Ints);
        const Ints green = __builtin_convertvector(toGreen * w + fromGreen * rest, Ints);
        const Ints blue = __builtin_convertvector(toBlue * w + fromBlue * rest, Ints);
        const Ints pixel = static_cast<std::int32_t>(0xFF000000u) | red << 16 | green << 8 | blue;
        std::memcpy(out + i, &pixel, sizeof pixel);
    }
    return i;
}

std::size_t blendBaseline(const BlendColumns& table, const double* values, std::uint32_t* out,
                          std::size_t count) {
    return blendGroups<Doubles2, Longs2, Ints2, 2>(table, values, out, count);
}

#if defined(__x86_64__)
// AVX2 without FMA: no multiply and add is fused, as in the baseline.
[[gnu::target("avx2")]] std::size_t blendAvx2(const BlendColumns& table, const double* values,
                                              std::uint32_t* out, std::size_t count) {
    return blendGroups<Doubles4, Longs4, Ints4, 4>(table, values, out, count);
}
#endif

}  // namespace

bool ColourLookup::available(Path path) { return path != Path::Avx2 || ProcessorHasAvx2(); }

void ColourLookup::pixels(const double* values, std::uint32_t* out, std::size_t count) const {
    pixels(values, out, count, ProcessorHasAvx2() ? Path::Avx2 : Path::Baseline);
}

void ColourLookup::pixels(const double* values, std::uint32_t* out, std::size_t count,
                          Path path) const {
    const int classes = static_cast<int>(bounds_.size());
    if (classes < 2) {
        std::fill(out, out + count, classes == 0 ? Colour().argb() : classColours_[0].pixel);
        return;
    }
    const double lowest = bounds_[0];
    if (discontinuous_) {
        for (std::size_t i = 0; i < count; ++i) {
            const double value = values[i];
            const int k = lowest >= value ? 0 : std::min(classAbove(value), classes - 2);
            out[i] = classColours_[k].pixel;
        }
        return;
    }
    std::size_t i = 0;
    if (ascending_ && classes <= MostVectorClasses && path != Path::Scalar) {
        const BlendColumns table{bounds_.data(),          classes,
                                 blendColumns_[0].data(), blendColumns_[1].data(),
                                 blendColumns_[2].data(), blendColumns_[3].data(),
                                 blendColumns_[4].data(), blendColumns_[5].data(),
                                 blendColumns_[6].data(), blendColumns_[7].data()};
#if defined(__x86_64__)
        if (path == Path::Avx2 && ProcessorHasAvx2())
            i = blendAvx2(table, values, out, count);
        else
#endif
            i = blendBaseline(table, values, out, count);
    }
    // pixel()'s arithmetic with its branches turned into selections, so that the divisions of
    // neighbouring values overlap. A value at or below the lowest bound blends class 0 with
    // weight 0, which gives class 0's colour exactly.
    for (; i < count; ++i) {
        const double value = values[i];
        const bool low = lowest >= value;
        const Blend& blend = blends_[low ? 0 : std::min(classAbove(value), classes - 2)];
        const double position = (value - blend.low) / blend.width;
        double w = blend.width == 0 ? 0.0 : position;
        w = w >= 0 ? w : 0.0;  // also a NaN position
        w = w > 1 ? 1.0 : w;
        w = low ? 0.0 : w;
        const double rest = 1 - w;
        const auto channel = [w, rest](double high, double from) {
            return static_cast<std::uint32_t>(static_cast<int>(high * w + from * rest));
        };
        out[i] = 0xFF000000u | channel(blend.toRed, blend.fromRed) << 16 |
                 channel(blend.toGreen, blend.fromGreen) << 8 |
                 channel(blend.toBlue, blend.fromBlue);
    }
}
