#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "ClassBounds.h"
#include "ColourMapping.h"
#include "LegendGeometry.h"
#include "PaletteSet.h"

namespace {

const double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

// Bounds 0..20 and the default palette at gamma 1.
ColourClasses defaultClasses(bool discontinuous) {
    PaletteSet set;
    set.BuildPalettes(1.0);
    return {InitialLegendValues().ClassBounds, set.Palettes[0], discontinuous};
}

LegendValues bounds(double minimum, double maximum, double average) {
    GridStatistics s;
    s.Minimum = minimum;
    s.Maximum = maximum;
    s.Average = average;
    return UpdateLegendValues(s, false, 0, 0);
}

}  // namespace

TEST(ClassBounds, MiddleAtTheAverageOrRangeMiddleByRepeatedAddition) {
    const LegendValues values = bounds(0, 100, 10);
    EXPECT_EQ(values.ClassBounds[5], 5);
    EXPECT_EQ(values.ClassBounds[11], 19);
    EXPECT_EQ(values.labels[20], "100");
    const LegendValues tenths = UpdateLegendValues({}, true, 0, 2);
    EXPECT_EQ(tenths.ClassBounds[10], 0.9999999999999999);  // ten times 0.1
    EXPECT_EQ(tenths.labels[3], "0.3");
    EXPECT_EQ(InitialLegendValues().labels[20], "20");
}

TEST(ColourMapping, EndsOfTheBoundsInBothModes) {
    const ColourClasses continuous = defaultClasses(false), steps = defaultClasses(true);
    for (double v : {0.0, -Inf}) {
        EXPECT_EQ(GetColorDyn(v, continuous), Colour(0xFF0000));
        EXPECT_EQ(GetColorDyn(v, steps), Colour(0xFF0000));
    }
    for (double v : {20.0, 20.5, Inf}) {
        EXPECT_EQ(GetColorDyn(v, continuous), continuous.LegendColours[20]);
        EXPECT_EQ(GetColorDyn(v, steps), steps.LegendColours[19]);
    }
    EXPECT_EQ(GetColorDyn(0.5, continuous), Colour(0xFF0C0C));  // 12.5 truncated
    EXPECT_EQ(GetColorDyn(NaN, continuous), continuous.LegendColours[19]);
}

TEST(ColourMapping, EqualAndOutOfOrderBoundsFollowTheScan) {
    ColourClasses classes = defaultClasses(false);
    classes.ClassBounds.assign(21, 5.0);  // a grid whose cells are all equal
    EXPECT_EQ(GetColorDyn(5.0, classes), classes.LegendColours[0]);
    classes = defaultClasses(true);
    classes.ClassBounds[5] = 7;                                      // typed above bound 6
    EXPECT_EQ(GetColorDyn(6.5, classes), classes.LegendColours[4]);  // 4 <= 6.5 < 7
    EXPECT_EQ(GetColorDyn(7.5, classes), classes.LegendColours[7]);
}

// The prepared lookup, for one value or a whole line of them on every path, must give
// GetColorDyn's colours for every kind of bounds.
TEST(ColourMapping, LookupGivesExactlyTheScanColours) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> uniform(-50, 50);
    for (int round = 0; round < 400; ++round) {
        ColourClasses classes = defaultClasses(round % 2 == 1);
        std::vector<double>& b = classes.ClassBounds;
        for (double& bound : b) bound = std::round(uniform(random) * (round % 3 ? 1 : 0.1));
        if (round % 5 != 4) std::sort(b.begin(), b.end());  // else out of order
        if (round % 7 == 6) b[round % 21] = NaN;
        if (round % 50 == 49) b.resize(round / 50 % 3);  // no, one or two classes
        const double scale = std::pow(10.0, uniform(random) / 4), lo = uniform(random) * scale;
        if (round % 4 == 3)  // two halves of different steps, at any scale
            b = bounds(lo, lo + 50 * scale, lo + scale * std::pow(uniform(random) / 50, 4))
                    .ClassBounds;
        for (Colour& c : classes.LegendColours) c = Colour(random());
        std::vector<double> probes = {Inf, -Inf, NaN};
        for (double bound : b) probes.insert(probes.end(), {bound, std::nextafter(bound, Inf)});
        for (int i = 0; i < 100; ++i) probes.push_back(uniform(random) * scale);
        std::shuffle(probes.begin(), probes.end(), random);  // bounds and NaN in every lane
        const ColourLookup lookup(classes);
        for (std::size_t i = 0; i < probes.size(); ++i) {
            const double v = probes[i];
            ASSERT_EQ(lookup.colour(v), GetColorDyn(v, classes)) << round << " " << v;
            ASSERT_EQ(lookup.pixel(v), GetColorDyn(v, classes).argb()) << round << " " << v;
        }
        for (const ColourLookup::Path path :
             {ColourLookup::Path::Scalar, ColourLookup::Path::Baseline, ColourLookup::Path::Avx2}) {
            if (!ColourLookup::available(path)) continue;
            std::vector<std::uint32_t> line(probes.size());
            lookup.pixels(probes.data(), line.data(), probes.size(), path);
            for (std::size_t i = 0; i < probes.size(); ++i)
                ASSERT_EQ(line[i], GetColorDyn(probes[i], classes).argb())
                    << round << " " << probes[i] << ", path " << int(path);
        }
    }
}

TEST(LegendGeometry, PlacesBoxesFromTheLegendHeight) {
    EXPECT_EQ(LegendTop(0, 624), 9);
    EXPECT_EQ(LegendTop(20, 624), 604);
    EXPECT_EQ(LegendItemHeight(624), 15);
}
