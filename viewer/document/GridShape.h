#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "GridHeader.h"
#include "GridRows.h"

// The geometry and statistics places of a grid file's header, as read.
struct GridFileHeader {
    GridHeader header;
    GridStatistics statistics;
};

// Called before each row of a body is read, with the row's index.
using RowCallback = std::function<void(int row)>;

// The counts a body reader works with, checked against sane limits.
struct GridShape {
    int rows = 0;
    int columns = 0;
    int levels = 1;

    std::int64_t cellCount() const { return std::int64_t(rows) * columns; }
    std::int64_t valueCount() const { return cellCount() * levels; }
};

// The largest number of values (cells times levels) a grid may hold.
inline constexpr std::int64_t maxGridValues = std::int64_t(1) << 31;
// The largest number of levels a stack may hold: each level is an allocation
// of its own, so the count is limited even where the cells are few.
inline constexpr int maxGridLevels = 1 << 20;

// Rows and columns are the truncated nrows and ncols. Throws a format error for
// negative, non-finite or oversized counts, for a grid without cells (no row or
// no column) and for fewer than one or more than maxGridLevels levels.
GridShape checkedGridShape(const GridHeader& header, double levelCount, const QString& fileName);

// Throws a format error when `availableBytes` cannot hold the body, which needs
// at least `requiredBytes`. Checked before anything is allocated.
void checkBodyFits(const GridShape& shape, std::int64_t requiredBytes, std::int64_t availableBytes,
                   const QString& fileName);

// The least bytes of text that hold `values` numbers: a digit and a separator
// each, except that the last needs no separator.
inline std::int64_t minimumTextBytes(std::int64_t values) {
    return values > 0 ? 2 * values - 1 : 0;
}

// `shape.levels` levels of shape.rows × shape.columns cells, not initialised.
std::vector<std::unique_ptr<GridRows>> allocateLevels(const GridShape& shape);
