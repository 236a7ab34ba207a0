#pragma once
// The figures of one series over all its points: how many values and missing values, their
// sum and mean, and the smallest and largest value with the date of each. Found in one pass
// over the values when the table is read.
#include <cstddef>
#include <limits>
#include <vector>

#include "TableValues.h"

struct SeriesStatistics {
    // What mean, minimum, maximum and their dates hold for a series without values.
    static constexpr double none = std::numeric_limits<double>::quiet_NaN();

    std::size_t count = 0;    // values that are not missing
    std::size_t missing = 0;  // values that carry the table's missing marker
    double sum = 0.0;         // 0 for a series without values (the empty sum)
    double mean = none;
    double minimum = none;
    double minimumDate = none;  // day number of the first point holding the minimum
    double maximum = none;
    double maximumDate = none;  // day number of the first point holding the maximum

    bool hasValues() const { return count > 0; }
};

// The statistics of every column of `values`: column c has its first `counts[c]` rows as points,
// point k lying at the date xStart + k × xStep (as the series' points do). Missing values are
// NaN in the block. One pass over the rows.
std::vector<SeriesStatistics> columnStatistics(const TableValues& values,
                                               const std::vector<std::size_t>& counts,
                                               double xStart, double xStep);
