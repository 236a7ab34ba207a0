#include "LevelHistogram.h"

#include <algorithm>
#include <cmath>

namespace {

// The bin of v among ascending lower bounds: the last bound not above v, else the first.
std::size_t binBySearch(std::span<const double> lower, double v) {
    const auto above = std::upper_bound(lower.begin() + 1, lower.end(), v);
    return static_cast<std::size_t>(above - (lower.begin() + 1));
}

template <typename BinOf>
std::vector<std::int64_t> countCells(const GridRows& values, double nodata, std::size_t bins,
                                     BinOf binOf) {
    std::vector<std::int64_t> counts(bins, 0);
    for (int r = 0; r < values.rowCount(); ++r) {
        const double* row = values.row(r);
        for (int c = 0; c < values.columnCount(); ++c) {
            const double v = row[c];
            if (v == nodata) continue;
            ++counts[std::isnan(v) ? 0 : binOf(v)];
        }
    }
    return counts;
}

}  // namespace

LevelHistogram classHistogram(const GridRows& values, double nodata,
                              std::span<const double> classBounds) {
    LevelHistogram histogram;
    histogram.lowerBounds.assign(classBounds.begin(), classBounds.end());
    if (classBounds.empty()) return histogram;
    histogram.counts = countCells(values, nodata, classBounds.size(),
                                  [&](double v) { return binBySearch(classBounds, v); });
    return histogram;
}

LevelHistogram equalBinHistogram(const GridRows& values, double nodata, int bins, double minimum,
                                 double maximum) {
    LevelHistogram histogram;
    if (bins < 1) return histogram;
    const auto count = static_cast<std::size_t>(bins);
    const double width = (maximum - minimum) / bins;
    for (int k = 0; k < bins; ++k) histogram.lowerBounds.push_back(minimum + width * k);
    const std::span<const double> lower = histogram.lowerBounds;
    const bool spread = width > 0 && std::isfinite(width);
    histogram.counts = countCells(values, nodata, count, [&](double v) -> std::size_t {
        if (!spread) return binBySearch(lower, v);
        // A first guess from the width, then moved to the bin whose bounds hold v, so that
        // every cell lies between the bounds the histogram shows.
        const double guess = std::floor((v - minimum) / width);
        const double last = static_cast<double>(count - 1);
        std::size_t k = guess <= 0      ? 0
                        : guess >= last ? count - 1
                                        : static_cast<std::size_t>(guess);
        while (k > 0 && v < lower[k]) --k;
        while (k + 1 < count && v >= lower[k + 1]) ++k;
        return k;
    });
    return histogram;
}
