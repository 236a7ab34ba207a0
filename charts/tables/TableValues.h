#pragma once
// The values of a result table's rows in one block, row after row, one value per column (a
// missing value as SeriesData::missing). Rows are written as they are read, so the block grows
// in reading order; a large block lies on huge pages.
#include <cstddef>
#include <vector>

#include "LargeBlock.h"

class TableValues {
public:
    TableValues(std::size_t columns, std::size_t rowCapacity)
        : columns_(columns),
          rowCapacity_(rowCapacity),
          cells_(makeLargeBlock<double>(columns * rowCapacity)) {}

    std::size_t columns() const { return columns_; }
    std::size_t rowCapacity() const { return rowCapacity_; }
    double* row(std::size_t r) { return cells_.get() + r * columns_; }
    const double* row(std::size_t r) const { return cells_.get() + r * columns_; }

    // Room for `rowCapacity` rows; the first `rows` rows are kept.
    void grow(std::size_t rowCapacity, std::size_t rows);

    // The first `count` values of column `column`.
    std::vector<double> column(std::size_t column, std::size_t count) const;

private:
    std::size_t columns_;
    std::size_t rowCapacity_;
    LargeBlock<double> cells_;
};
