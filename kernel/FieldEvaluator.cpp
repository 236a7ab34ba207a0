#include "FieldEvaluator.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// This file is compiled with -ffp-contract=off: a fused multiply-add in one code path but not
// in another would make a cell's value depend on the path that computed it.

namespace kelvra {
namespace {

constexpr int kLanes = FieldEvaluator::kLanes;
// The eight lanes of a block as one vector (GCC vector extension; the compiler splits it into
// the widest registers the target has).
using Lanes = double __attribute__((vector_size(kLanes * sizeof(double))));

struct Tables {
    const double* block_cos;
    const double* block_sin;
    std::size_t blocks;
    const double* lane_cos;
    const double* lane_sin;
    const double* row_cos;
    const double* row_sin;
    int modes;
};

// Vectors are moved to and from memory with memcpy, which makes no assumption about the
// alignment of the data.
[[gnu::always_inline]] inline void load(Lanes& lanes, const double* from) {
    std::memcpy(&lanes, from, sizeof lanes);
}

// Adds the terms of modes 0..modes-1, in this order, to the sums of blocks first..end-1.
[[gnu::always_inline]] inline void accumulate_body(const Tables& t, double* __restrict sums,
                                                   std::size_t first, std::size_t end) {
    for (int n = 0; n < t.modes; ++n) {
        const double rc = t.row_cos[n];
        const double rs = t.row_sin[n];
        const double* __restrict ac = t.block_cos + n * t.blocks;
        const double* __restrict as = t.block_sin + n * t.blocks;
        Lanes dc, ds;
        load(dc, t.lane_cos + n * kLanes);
        load(ds, t.lane_sin + n * kLanes);
        for (std::size_t b = first; b < end; ++b) {
            const double p = ac[b] * rc - as[b] * rs;  // cos(A + R)
            const double q = as[b] * rc + ac[b] * rs;  // sin(A + R)
            Lanes sum;
            load(sum, sums + b * kLanes);
            sum += p * dc - q * ds;
            std::memcpy(sums + b * kLanes, &sum, sizeof sum);
        }
    }
}

// AVX2 only widens the vectors: without contraction both versions perform the same IEEE
// operations on every lane and give the same bits.
[[gnu::target("avx2")]] void accumulate_avx2(const Tables& t, double* sums, std::size_t first,
                                             std::size_t end) {
    accumulate_body(t, sums, first, end);
}

void accumulate_generic(const Tables& t, double* sums, std::size_t first, std::size_t end) {
    accumulate_body(t, sums, first, end);
}

using Accumulate = void (*)(const Tables&, double*, std::size_t, std::size_t);

Accumulate choose_accumulate() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? accumulate_avx2 : accumulate_generic;
}

const Accumulate accumulate = choose_accumulate();

}  // namespace

FieldEvaluator::FieldEvaluator(const FieldModes& modes, int ncols, std::size_t table_budget)
    : modes_(modes),
      ncols_(ncols),
      blocks_((static_cast<std::size_t>(ncols) + kLanes - 1) / kLanes) {
    const int count = modes.count;
    sin_theta_.resize(count);
    cos_theta_.resize(count);
    for (int n = 0; n < count; ++n) {
        sin_theta_[n] = std::sin(modes.theta[n + 1]);
        cos_theta_[n] = std::cos(modes.theta[n + 1]);
    }
    const double table_bytes =
        2.0 * sizeof(double) * static_cast<double>(count) * static_cast<double>(blocks_ + kLanes);
    if (table_bytes <= static_cast<double>(table_budget)) build_tables();
}

// The column part of the angle of mode n (0-based) at column col (1-based).
double FieldEvaluator::column_angle(int n, int col) const {
    return modes_.k[n + 1] * (sin_theta_[n] * modes_.x[col] * modes_.fx);
}

void FieldEvaluator::build_tables() {
    const int count = modes_.count;
    block_cos_.resize(count * blocks_);
    block_sin_.resize(count * blocks_);
    lane_cos_.resize(count * kLanes);
    lane_sin_.resize(count * kLanes);
    for (int n = 0; n < count; ++n) {
        for (std::size_t b = 0; b < blocks_; ++b) {
            const double angle = column_angle(n, static_cast<int>(b) * kLanes + 1);
            block_cos_[n * blocks_ + b] = std::cos(angle);
            block_sin_[n * blocks_ + b] = std::sin(angle);
        }
        for (int j = 0; j < kLanes; ++j) {
            const double angle = column_angle(n, j + 1);
            lane_cos_[n * kLanes + j] = std::cos(angle);
            lane_sin_[n * kLanes + j] = std::sin(angle);
        }
    }
    row_cos_.resize(count);
    row_sin_.resize(count);
    sums_.assign(blocks_ * kLanes, 0.0);
    summed_row_.assign(blocks_, 0);
}

void FieldEvaluator::prepare_row(int row) {
    if (row == cached_row_) return;
    for (int n = 0; n < modes_.count; ++n) {
        const double angle =
            modes_.k[n + 1] * (cos_theta_[n] * modes_.y[row] * modes_.fy) + modes_.phi[n + 1];
        row_cos_[n] = std::cos(angle);
        row_sin_[n] = std::sin(angle);
    }
    cached_row_ = row;
}

void FieldEvaluator::compute(int row, int first_col, int last_col, double* matrix_row) {
    if (uses_tables()) {
        compute_from_tables(row, first_col, last_col, matrix_row);
    } else {
        compute_directly(row, first_col, last_col, matrix_row);
    }
}

void FieldEvaluator::compute_from_tables(int row, int first_col, int last_col, double* matrix_row) {
    prepare_row(row);
    // Blocks whose sums this row already holds complete (the caller's steps rarely end on a
    // block boundary) are taken as they are; the others are summed afresh.
    std::size_t first = static_cast<std::size_t>(first_col - 1) / kLanes;
    std::size_t end = static_cast<std::size_t>(last_col - 1) / kLanes + 1;
    while (first < end && summed_row_[first] == row) ++first;
    if (first < end) {
        // Small steps (twenty generators share 100 cells a pass, 5 each) would read the tables
        // of every mode for a block or two per call; the following blocks of the row are summed
        // with them, so the tables are read in one sweep and the next steps find their sums.
        end = std::max(end, std::min(blocks_, first + kLookAheadBlocks));
        std::size_t stop = first;
        while (stop < end && summed_row_[stop] != row) ++stop;
        end = stop;
        std::fill(sums_.begin() + first * kLanes, sums_.begin() + end * kLanes, 0.0);
        const Tables tables{block_cos_.data(), block_sin_.data(), blocks_,         lane_cos_.data(),
                            lane_sin_.data(),  row_cos_.data(),   row_sin_.data(), modes_.count};
        accumulate(tables, sums_.data(), first, end);
        std::fill(summed_row_.begin() + first, summed_row_.begin() + end, row);
    }
    for (int c = first_col; c <= last_col; ++c) matrix_row[c] = modes_.amplitude * sums_[c - 1];
}

void FieldEvaluator::compute_directly(int row, int first_col, int last_col,
                                      double* matrix_row) const {
    const double y = modes_.y[row];
    for (int c = first_col; c <= last_col; ++c) {
        const double x = modes_.x[c];
        double sum = 0.0;
        for (int n = 0; n < modes_.count; ++n) {
            sum += std::cos(modes_.k[n + 1] *
                                (sin_theta_[n] * x * modes_.fx + cos_theta_[n] * y * modes_.fy) +
                            modes_.phi[n + 1]);
        }
        matrix_row[c] = modes_.amplitude * sum;
    }
}

}  // namespace kelvra
