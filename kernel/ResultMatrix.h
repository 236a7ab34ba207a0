#pragma once

#include <cstdint>
#include <vector>

namespace kelvra {

// Rows 1..nrows and columns 1..ncols of a field, used with 1-based indices; row 0 and column 0
// exist and stay 0.0. The rows live in a few zero-filled blocks of whole rows, none larger
// than kMaxBlockBytes.
using RowTable = double**;

inline constexpr std::int64_t kMaxBlockBytes = 2147480000;

// Number of rows (of ncols + 1 doubles) in each block of a matrix with rows 0..nrows, in
// allocation order. alloc_matrix and free_matrix both walk this sequence.
std::vector<int> matrix_block_rows(int nrows, int ncols);

// How often x must be halved until it is at most 1 (0 for x <= 1).
int ceil_log2(double x);

// Allocates a zero-filled matrix. Ends the process with exit status 1 and a message on
// standard output when a row is too long or memory runs out.
RowTable alloc_matrix(int nrows, int ncols);

// Frees a matrix made by alloc_matrix with the same dimensions.
void free_matrix(RowTable rows, int nrows, int ncols);

// Owner of one matrix: frees it on release() or at the latest when destroyed.
class ResultMatrix {
  public:
    ResultMatrix(int nrows, int ncols);
    ~ResultMatrix();
    ResultMatrix(const ResultMatrix&) = delete;
    ResultMatrix& operator=(const ResultMatrix&) = delete;

    RowTable rows() const { return rows_; }
    int nrows() const { return nrows_; }
    int ncols() const { return ncols_; }
    bool held() const { return rows_ != nullptr; }
    void release();

  private:
    RowTable rows_;
    int nrows_;
    int ncols_;
};

}  // namespace kelvra
