#include "ResultMatrix.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kelvra {
namespace {

constexpr std::int64_t kBlockOverhead = 24;

[[noreturn]] void fail(const char* message) {
    std::fputs(message, stdout);
    std::fflush(stdout);
    std::exit(1);
}

std::int64_t row_bytes(int ncols) { return 8 * (static_cast<std::int64_t>(ncols) + 1); }

bool row_too_long(int ncols) { return row_bytes(ncols) + kBlockOverhead > kMaxBlockBytes; }

}  // namespace

int ceil_log2(double x) {
    int halvings = 0;
    while (x > 1.0) {
        x /= 2.0;
        ++halvings;
    }
    return halvings;
}

std::vector<int> matrix_block_rows(int nrows, int ncols) {
    const std::int64_t row_count = static_cast<std::int64_t>(nrows) + 1;
    const std::int64_t column_count = static_cast<std::int64_t>(ncols) + 1;
    const std::int64_t rowbytes = row_bytes(ncols);
    // Byte counts in 64 bits: the same plan as in 32 bits for every matrix below 4 GB, and
    // beyond that no wrap-around that would let the final block outgrow the limit.
    const std::int64_t total = row_count * column_count * 8;
    std::int64_t remaining = total;
    const std::int64_t small = static_cast<std::int64_t>(0.05 * static_cast<double>(total));

    std::vector<int> blocks;
    std::int64_t first = 0;
    for (;;) {
        const int n = ceil_log2(static_cast<double>(remaining + kBlockOverhead));
        if (remaining <= small && std::ldexp(1.0, n) < kMaxBlockBytes) break;
        const double half = std::ldexp(1.0, n - 1);
        if (rowbytes + kBlockOverhead > half) break;
        const double size = std::min(half - kBlockOverhead, static_cast<double>(kMaxBlockBytes));
        const std::int64_t block = static_cast<std::int64_t>(size) / rowbytes;
        blocks.push_back(static_cast<int>(block));
        first += block;
        remaining = (row_count - first) * column_count * 8;
        if (remaining <= 0) return blocks;
    }
    blocks.push_back(static_cast<int>(row_count - first));
    return blocks;
}

RowTable alloc_matrix(int nrows, int ncols) {
    if (row_too_long(ncols)) fail("too long grid rows\n");
    const std::int64_t row_count = static_cast<std::int64_t>(nrows) + 1;
    const std::int64_t column_count = static_cast<std::int64_t>(ncols) + 1;
    auto rows = static_cast<RowTable>(std::calloc(row_count, sizeof(double*)));
    if (rows == nullptr) fail("memory allocation error 1 in matrix()\n");
    std::int64_t first = 0;
    for (const int block : matrix_block_rows(nrows, ncols)) {
        auto cells = static_cast<double*>(std::calloc(block * column_count, sizeof(double)));
        if (cells == nullptr) fail("memory allocation error 2 in matrix()\n");
        for (int i = 0; i < block; ++i) rows[first + i] = cells + i * column_count;
        first += block;
    }
    return rows;
}

void free_matrix(RowTable rows, int nrows, int ncols) {
    if (row_too_long(ncols)) fail("too long matrix rows\n");
    std::int64_t first = 0;
    for (const int block : matrix_block_rows(nrows, ncols)) {
        std::free(rows[first]);
        first += block;
    }
    std::free(rows);
}

ResultMatrix::ResultMatrix(int nrows, int ncols)
    : rows_(alloc_matrix(nrows, ncols)), nrows_(nrows), ncols_(ncols) {}

ResultMatrix::~ResultMatrix() { release(); }

void ResultMatrix::release() {
    if (rows_ == nullptr) return;
    free_matrix(rows_, nrows_, ncols_);
    rows_ = nullptr;
}

}  // namespace kelvra
