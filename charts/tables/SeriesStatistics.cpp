#include "SeriesStatistics.h"

#include <algorithm>
#include <cmath>

namespace {

struct Running {
    std::size_t count = 0;
    std::size_t missing = 0;
    double sum = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    std::size_t minimumAt = 0;
    std::size_t maximumAt = 0;
};

}  // namespace

std::vector<SeriesStatistics> columnStatistics(const TableValues& values,
                                               const std::vector<std::size_t>& counts,
                                               double xStart, double xStep) {
    const std::size_t columns = std::min(counts.size(), values.columns());
    std::vector<Running> running(columns);
    std::size_t rows = 0;
    for (std::size_t c = 0; c < columns; ++c) rows = std::max(rows, counts[c]);
    for (std::size_t r = 0; r < rows; ++r) {
        const double* row = values.row(r);
        for (std::size_t c = 0; c < columns; ++c) {
            if (r >= counts[c]) continue;
            const double v = row[c];
            Running& column = running[c];
            if (std::isnan(v)) {
                ++column.missing;
                continue;
            }
            // Of equal extremes the first counts, as for the series' range.
            if (column.count == 0 || v < column.minimum) {
                column.minimum = v;
                column.minimumAt = r;
            }
            if (column.count == 0 || v > column.maximum) {
                column.maximum = v;
                column.maximumAt = r;
            }
            column.sum += v;
            ++column.count;
        }
    }

    std::vector<SeriesStatistics> statistics(counts.size());
    for (std::size_t c = 0; c < columns; ++c) {
        const Running& column = running[c];
        SeriesStatistics& figures = statistics[c];
        figures.count = column.count;
        figures.missing = column.missing;
        figures.sum = column.sum;
        if (column.count == 0) continue;
        figures.mean = column.sum / static_cast<double>(column.count);
        figures.minimum = column.minimum;
        figures.maximum = column.maximum;
        figures.minimumDate = xStart + static_cast<double>(column.minimumAt) * xStep;
        figures.maximumDate = xStart + static_cast<double>(column.maximumAt) * xStep;
    }
    return statistics;
}
