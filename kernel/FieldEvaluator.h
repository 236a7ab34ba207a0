#pragma once

#include <cstddef>
#include <vector>

#include "FieldModes.h"
#include "ModeSums.h"

namespace kelvra {

// Evaluates cells of a field: value(r, c) = amplitude * sum over n = 1..N, in mode order, of
// cos(K[n] * (sin(theta[n]) * X[c] * fx + cos(theta[n]) * Y[r] * fy) + phi[n]).
//
// Since X[c] = (c - 1) / (N - 1), the column part of mode n's angle grows by the same step
// from column to column. Columns are taken in blocks of eight: column c = 8b + j + 1 has the
// angle A(b) + D(j), where A(b) is the column angle of the block's first column and D(j) that
// of column j + 1. With R the row part (row angle plus phase), angle addition gives
//   P = cos(A + R) = cos A cos R - sin A sin R,   Q = sin(A + R) = sin A cos R + cos A sin R,
//   cos(A + D + R) = P cos D - Q sin D.
// cos and sin of A are tabulated per mode and block, those of D per mode and lane, those of R
// for the current row. A cell-mode then costs two multiplications, a subtraction and the
// addition to the cell's sum, with P and Q shared by the eight cells of a block. The sums are
// taken for groups of eight blocks at once (ModeSums.h), on the widest vector units the
// processor has; every path gives the same bits. Tables take about 2 N (ncols / 8 + 16)
// doubles.
//
// Groups are always summed whole, and a group's sums are kept until it is summed for another
// row, so that steps ending inside a group cost nothing extra; a step that needs a group sums
// the groups after it too (up to kLookAheadGroups), so that small steps cost no more per cell
// than large ones. Every cell goes through the same operations, so its value does not depend
// on how the caller groups cells into steps.
//
// When the tables would exceed the table budget, cells are evaluated by the formula itself
// (same values within rounding, far slower).
class FieldEvaluator {
public:
    static constexpr std::size_t kDefaultTableBudget = std::size_t{1} << 30;
    // Groups summed at once when a step needs any: the rest of the step's row up to this many.
    static constexpr std::size_t kLookAheadGroups = 32;

    FieldEvaluator(const FieldModes& modes, int ncols,
                   std::size_t table_budget = kDefaultTableBudget,
                   SumPath path = fastest_sum_path());

    // Computes columns first_col..last_col (1-based, inclusive) of row `row` into the same
    // columns of matrix_row.
    void compute(int row, int first_col, int last_col, double* matrix_row);

    bool uses_tables() const { return !block_table_.empty(); }

private:
    double column_angle(int mode, int col) const;
    void build_tables();
    void prepare_row(int row);
    void sum_groups(int row, std::size_t first, std::size_t end);
    void compute_from_tables(int row, int first_col, int last_col, double* matrix_row);
    void compute_directly(int row, int first_col, int last_col, double* matrix_row) const;

    const FieldModes& modes_;
    int ncols_;
    std::size_t blocks_;
    std::size_t groups_;
    GroupSummer summer_;
    std::vector<double> sin_theta_;
    std::vector<double> cos_theta_;
    std::vector<double> block_table_;  // laid out as ModeTables::blocks
    std::vector<double> lane_table_;   // as ModeTables::lanes
    std::vector<double> row_table_;    // as ModeTables::row, for cached_row_
    int cached_row_ = 0;
    std::vector<double> sums_;     // at sum_index(column): one running sum per cell
    std::vector<int> summed_row_;  // [group]: the row whose sums the group holds complete
};

}  // namespace kelvra
