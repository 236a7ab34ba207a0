#include "GridRows.h"

#include <algorithm>

GridRows::GridRows(int rowCount, int columnCount)
    : cells_(std::make_unique_for_overwrite<double[]>(static_cast<std::size_t>(rowCount) *
                                                      columnCount)),
      rows_(rowCount),
      columns_(columnCount) {}

GridRows::GridRows(int rowCount, int columnCount, double value) : GridRows(rowCount, columnCount) {
    std::fill_n(cells_.get(), cellCount(), value);
}
