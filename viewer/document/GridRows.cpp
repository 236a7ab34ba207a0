#include "GridRows.h"

#include <algorithm>

#include "LargeBlock.h"

void GridRows::FreeCells::operator()(double* cells) const { FreeLargeBlock()(cells); }

GridRows::GridRows(int rowCount, int columnCount)
    : cells_(static_cast<double*>(
          allocateLargeBlock(static_cast<std::size_t>(rowCount) * columnCount * sizeof(double)))),
      rows_(rowCount),
      columns_(columnCount) {}

GridRows::GridRows(int rowCount, int columnCount, double value) : GridRows(rowCount, columnCount) {
    std::fill_n(cells_.get(), cellCount(), value);
}
