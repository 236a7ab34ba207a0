#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "GridRows.h"

// Exact counts of a level's data cells (every cell not equal to the nodata value) in bins.
// Bin k holds the values from its lower bound up to, not including, the next bin's; the first
// bin also holds everything below its bound, the last everything from its bound up, and a
// cell that is not a number counts in the first bin, so the counts add up to the data cells.
struct LevelHistogram {
    std::vector<double> lowerBounds;  // one per bin, ascending
    std::vector<std::int64_t> counts;
};

// The cells per legend class: class k reaches from class bound k to class bound k + 1, as
// the colour mapping places values.
LevelHistogram classHistogram(const GridRows& values, double nodata,
                              std::span<const double> classBounds);

// The cells in `bins` bins of equal width from `minimum` to `maximum` (the level's extremes);
// the maximum falls in the last bin, which holds everything when minimum equals maximum.
LevelHistogram equalBinHistogram(const GridRows& values, double nodata, int bins, double minimum,
                                 double maximum);
