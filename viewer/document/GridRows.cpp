#include "GridRows.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

// Large levels are placed on 2 MB boundaries and offered huge pages: the first
// touch of a fresh 4000 x 4000 level then costs a few dozen page faults instead
// of tens of thousands, which matters most under virtualisation.
constexpr std::size_t hugePage = std::size_t(2) << 20;

double* allocateCells(std::size_t count) {
    const std::size_t bytes = std::max<std::size_t>(count, 1) * sizeof(double);
    void* cells = nullptr;
    if (bytes >= 2 * hugePage) {
        const std::size_t rounded = (bytes + hugePage - 1) / hugePage * hugePage;
        cells = std::aligned_alloc(hugePage, rounded);
#ifdef MADV_HUGEPAGE
        if (cells) madvise(cells, rounded, MADV_HUGEPAGE);
#endif
    } else {
        cells = std::malloc(bytes);
    }
    if (!cells) throw std::bad_alloc();
    return static_cast<double*>(cells);
}

}  // namespace

void GridRows::FreeCells::operator()(double* cells) const { std::free(cells); }

GridRows::GridRows(int rowCount, int columnCount)
    : cells_(allocateCells(static_cast<std::size_t>(rowCount) * columnCount)),
      rows_(rowCount),
      columns_(columnCount) {}

GridRows::GridRows(int rowCount, int columnCount, double value) : GridRows(rowCount, columnCount) {
    std::fill_n(cells_.get(), cellCount(), value);
}
