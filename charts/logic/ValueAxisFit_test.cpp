#include "ValueAxisFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TableTestFiles.h"

namespace {

constexpr double unset = SeriesData::unset;

// Columns A and B over three hours; -9999 is a missing value.
FileContainer twoColumns(const std::string& rows) {
    return readTable(tableText("YY MM DD HH A B", rows));
}

}  // namespace

TEST(ValueAxisFit, VisibleSeriesOfCheckedTablesWithTwoPercentMargin) {
    FileContainer first = twoColumns("2001 1 1 0 1 -50\n2001 1 1 1 3 -40\n2001 1 1 2 2 -45\n");
    FileContainer second = twoColumns("2001 1 1 0 10 1000\n2001 1 1 1 11 1000\n");
    first.series(0)->visible = true;   // 1..3
    first.series(1)->visible = false;  // B of the first table hidden
    second.series(0)->visible = true;  // 10..11
    second.series(1)->visible = true;  // 1000

    const ValueRange fitted = fitValueAxis({{&first, true}, {&second, false}}, false);
    EXPECT_DOUBLE_EQ(fitted.minimum, 1 - 0.04);
    EXPECT_DOUBLE_EQ(fitted.maximum, 3 + 0.04);

    const ValueRange both = fitValueAxis({{&first, true}, {&second, true}}, false);
    EXPECT_DOUBLE_EQ(both.minimum, 1 - 0.02 * 999);
    EXPECT_DOUBLE_EQ(both.maximum, 1000 + 0.02 * 999);

    // No margin on a logarithmic axis.
    EXPECT_EQ(fitValueAxis({{&first, true}, {&second, true}}, true), (ValueRange{1, 1000}));
}

TEST(ValueAxisFit, SeriesWithoutValuesAreIgnored) {
    FileContainer missing = twoColumns("2001 1 1 0 -9999 -9999\n2001 1 1 1 -9999 -9999\n");
    missing.series(0)->visible = missing.series(1)->visible = true;
    EXPECT_EQ(fitValueAxis({{&missing, true}}, false), (ValueRange{unset, unset}));
    EXPECT_EQ(fitValueAxis({}, false), (ValueRange{unset, unset}));

    FileContainer some = twoColumns("2001 1 1 0 5 -9999\n2001 1 1 1 5 -9999\n");
    some.series(0)->visible = true;
    // A single value: no range, so no margin.
    EXPECT_EQ(fitValueAxis({{&missing, true}, {&some, true}}, false), (ValueRange{5, 5}));
}

TEST(ValueAxisFit, NegativeValuesBelowTheUnsetMarkStillCount) {
    FileContainer deep = twoColumns("2001 1 1 0 -20000 1\n2001 1 1 1 -15000 1\n");
    deep.series(0)->visible = true;
    deep.series(1)->visible = false;
    const ValueRange fitted = fitValueAxis({{&deep, true}}, true);
    EXPECT_EQ(fitted, (ValueRange{-20000, -15000}));
}

TEST(ValueAxisFit, ANewTableWidensTheAxisWithoutMargin) {
    const FileContainer table = twoColumns("2001 1 1 0 4 8\n2001 1 1 1 -2 6\n");
    EXPECT_EQ(widenForTable({}, table), (ValueRange{-2, 8}));
    EXPECT_EQ(widenForTable({-5, 5}, table), (ValueRange{-5, 8}));
    EXPECT_EQ(widenForTable({0, 100}, table), (ValueRange{-2, 100}));
    const FileContainer empty = twoColumns("2001 1 1 0 -9999 -9999\n2001 1 1 1 -9999 -9999\n");
    EXPECT_EQ(widenForTable({0, 1}, empty), (ValueRange{0, 1}));
    EXPECT_EQ(widenForTable({}, empty), (ValueRange{unset, unset}));
}

TEST(ValueAxisFit, ValuesNearTheLargestDoubleGiveAFiniteAxis) {
    const double largest = std::numeric_limits<double>::max();
    const ValueRange both = withMargin({-1.78e308, 1.78e308}, false);
    EXPECT_EQ(both.minimum, -largest);
    EXPECT_EQ(both.maximum, largest);
    const ValueRange within = withMargin({-1.7e308, 1.7e308}, false);
    EXPECT_DOUBLE_EQ(within.maximum, 1.768e308);
    const ValueRange high = withMargin({1e308, 1.5e308}, false);
    EXPECT_DOUBLE_EQ(high.minimum, 1e308 - 0.01e308);
    EXPECT_DOUBLE_EQ(high.maximum, 1.5e308 + 0.01e308);
    FileContainer table = twoColumns("2001 1 1 0 1.7e308 1\n2001 1 1 1 -1.7e308 2\n");
    table.series(0)->visible = true;
    const ValueRange fitted = fitValueAxis({{&table, true}}, false);
    EXPECT_TRUE(std::isfinite(fitted.minimum) && std::isfinite(fitted.maximum));
    EXPECT_LE(fitted.minimum, -1.7e308);
    EXPECT_GE(fitted.maximum, 1.7e308);
}
