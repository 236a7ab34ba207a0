#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FieldEvaluator.h"
#include "FieldModes.h"
#include "KernelSlot.h"
#include "RandomDeviates.h"
#include "ResultMatrix.h"

namespace kelvra {

// The generator of one slot: draws the N spectral modes of a field from its seed, computes
// the cells into its result matrix step by step, and writes the grid file.
class FieldKernel {
public:
    static constexpr double kTwoPi = 6.28318530718;
    static constexpr int kMinimumModes = 500;

    // Copies the slot's parameters (its file name must be set), seeds the random generator,
    // allocates the matrix and draws the modes. All random draws happen here.
    explicit FieldKernel(const KernelSlot& slot,
                         std::size_t table_budget = FieldEvaluator::kDefaultTableBudget,
                         SumPath path = fastest_sum_path());
    virtual ~FieldKernel() = default;
    FieldKernel(const FieldKernel&) = delete;
    FieldKernel& operator=(const FieldKernel&) = delete;

    RowTable matrix() const { return matrix_.rows(); }
    int nrows() const { return nrows_; }
    int ncols() const { return ncols_; }
    const FieldModes& modes() const { return modes_; }

    // Computes cells in row-major order from the cursor cell on, at most count cells but at
    // least one, and moves the cursor to the last cell computed, or to (nrows + 1, ncols + 1)
    // when the grid was completed with budget to spare. Returns 1 when the last cell of the
    // grid has been computed, otherwise -1. A cursor row beyond nrows computes nothing and
    // returns 1.
    int run_stepwise(int& row, int& col, int count);

    enum class WriteOutcome { done, not_finite, failed };

    // Writes the grid file when asked, then frees the matrix. Every cell is turned into its
    // final value before the file is opened; when one is no finite number, nothing is written
    // (not_finite). failed: the file could not be written. The matrix is freed in every case.
    virtual WriteOutcome write_and_release(bool write);

private:
    void draw_modes();
    WriteOutcome write_grid_file();

    UniformState uniform_;
    GaussianStore gaussian_;
    int ncols_;
    int nrows_;
    double xll_;
    double yll_;
    double cs_;
    double nodata_;
    double avg_;
    double stddev_;
    std::int32_t seed_;
    std::int32_t disttype_;
    std::string file_name_;
    FieldModes modes_;
    ResultMatrix matrix_;
    std::unique_ptr<FieldEvaluator> evaluator_;
};

}  // namespace kelvra
