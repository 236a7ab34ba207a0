#include "TableValues.h"

#include <algorithm>

void TableValues::grow(std::size_t rowCapacity, std::size_t rows) {
    if (rowCapacity <= rowCapacity_) return;
    auto larger = makeLargeBlock<double>(columns_ * rowCapacity);
    std::copy_n(cells_.get(), std::min(rows, rowCapacity_) * columns_, larger.get());
    cells_ = std::move(larger);
    rowCapacity_ = rowCapacity;
}

std::vector<double> TableValues::column(std::size_t column, std::size_t count) const {
    std::vector<double> values(count);
    for (std::size_t r = 0; r < count; ++r) values[r] = row(r)[column];
    return values;
}
