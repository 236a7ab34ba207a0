#include "FieldEvaluator.h"

#include <algorithm>
#include <cmath>

namespace kelvra {

FieldEvaluator::FieldEvaluator(const FieldModes& modes, int ncols, std::size_t table_budget,
                               SumPath path)
    : modes_(modes),
      ncols_(ncols),
      blocks_((static_cast<std::size_t>(ncols) + kBlockColumns - 1) / kBlockColumns),
      groups_((blocks_ + kGroupBlocks - 1) / kGroupBlocks),
      summer_(group_summer(path)) {
    const int count = modes.count;
    sin_theta_.resize(count);
    cos_theta_.resize(count);
    for (int n = 0; n < count; ++n) {
        sin_theta_[n] = std::sin(modes.theta[n + 1]);
        cos_theta_[n] = std::cos(modes.theta[n + 1]);
    }
    // The test leaves out the padding of the last group, so that the same fields as with any
    // other grouping are evaluated from tables.
    const double table_bytes = 2.0 * sizeof(double) * static_cast<double>(count) *
                               static_cast<double>(blocks_ + kBlockColumns);
    if (table_bytes <= static_cast<double>(table_budget)) build_tables();
}

// The column part of the angle of mode n (0-based) at column col (1-based).
double FieldEvaluator::column_angle(int n, int col) const {
    return modes_.k[n + 1] * (sin_theta_[n] * modes_.x[col] * modes_.fx);
}

void FieldEvaluator::build_tables() {
    const int count = modes_.count;
    // Blocks beyond the last column (the rest of the last group) are summed with zeros.
    block_table_.assign(groups_ * count * 2 * kGroupBlocks, 0.0);
    lane_table_.resize(count * 2 * kBlockColumns);
    for (int n = 0; n < count; ++n) {
        for (std::size_t b = 0; b < blocks_; ++b) {
            const double angle = column_angle(n, static_cast<int>(b) * kBlockColumns + 1);
            double* entry = &block_table_[((b / kGroupBlocks) * count + n) * 2 * kGroupBlocks +
                                          b % kGroupBlocks];
            entry[0] = std::cos(angle);
            entry[kGroupBlocks] = std::sin(angle);
        }
        for (int j = 0; j < kBlockColumns; ++j) {
            const double angle = column_angle(n, j + 1);
            lane_table_[n * 2 * kBlockColumns + j] = std::cos(angle);
            lane_table_[n * 2 * kBlockColumns + kBlockColumns + j] = std::sin(angle);
        }
    }
    row_table_.resize(2 * count);
    sums_.assign(groups_ * kGroupColumns, 0.0);
    summed_row_.assign(groups_, 0);
}

void FieldEvaluator::prepare_row(int row) {
    if (row == cached_row_) return;
    for (int n = 0; n < modes_.count; ++n) {
        const double angle =
            modes_.k[n + 1] * (cos_theta_[n] * modes_.y[row] * modes_.fy) + modes_.phi[n + 1];
        row_table_[2 * n] = std::cos(angle);
        row_table_[2 * n + 1] = std::sin(angle);
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

void FieldEvaluator::sum_groups(int row, std::size_t first, std::size_t end) {
    const ModeTables tables{block_table_.data(), lane_table_.data(), row_table_.data(),
                            modes_.count};
    summer_(tables, sums_.data(), first, end);
    std::fill(summed_row_.begin() + first, summed_row_.begin() + end, row);
}

void FieldEvaluator::compute_from_tables(int row, int first_col, int last_col, double* matrix_row) {
    prepare_row(row);
    // Groups whose sums this row already holds complete (the caller's steps rarely end on a
    // group boundary) are taken as they are; each run of the others is summed afresh.
    const std::size_t end = static_cast<std::size_t>(last_col - 1) / kGroupColumns + 1;
    std::size_t group = static_cast<std::size_t>(first_col - 1) / kGroupColumns;
    while (group < end) {
        if (summed_row_[group] == row) {
            ++group;
            continue;
        }
        // Small steps (twenty generators share 100 cells a pass, 5 each) would read the tables
        // of every mode for a group or two per call; the following groups of the row are summed
        // with them, so the tables are read in one sweep and the next steps find their sums.
        const std::size_t limit = std::max(end, std::min(groups_, group + kLookAheadGroups));
        std::size_t stop = group;
        while (stop < limit && summed_row_[stop] != row) ++stop;
        sum_groups(row, group, stop);
        group = stop;
    }
    for (int c = first_col; c <= last_col; ++c) {
        matrix_row[c] = modes_.amplitude * sums_[sum_index(static_cast<std::size_t>(c - 1))];
    }
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
