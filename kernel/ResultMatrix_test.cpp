#include "ResultMatrix.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <numeric>

namespace {

TEST(MatrixBlocks, HalveTowardsTheRestAndEndWithTheLastFivePercent) {
    // 101 rows of 808 bytes: blocks of 65512, 8168 and 4072 bytes hold 81, 10 and 5 rows;
    // the 5 rows left are within 5 % of the total and form the final block.
    EXPECT_EQ(kelvra::matrix_block_rows(100, 100), (std::vector<int>{81, 10, 5, 5}));
    EXPECT_EQ(kelvra::matrix_block_rows(999, 999), (std::vector<int>{524, 262, 131, 65, 18}));
    // One row of 8 bytes: no power-of-two block is needed at all.
    EXPECT_EQ(kelvra::matrix_block_rows(0, 0), (std::vector<int>{1}));
}

TEST(MatrixBlocks, CoverEveryRowWithinTheBlockLimit) {
    for (const auto& [nrows, ncols] :
         {std::pair{1, 1}, {3, 70000}, {70000, 3}, {4999, 5001}, {20000, 30000}, {1, 268434990}}) {
        const auto blocks = kelvra::matrix_block_rows(nrows, ncols);
        EXPECT_EQ(std::accumulate(blocks.begin(), blocks.end(), 0LL), nrows + 1LL);
        for (const int rows : blocks) {
            EXPECT_GE(rows, 1);
            EXPECT_LE(rows * 8.0 * (ncols + 1.0), kelvra::kMaxBlockBytes);
        }
    }
}

TEST(MatrixBlocks, CeilLog2CountsHalvings) {
    EXPECT_EQ(kelvra::ceil_log2(0), 0);
    EXPECT_EQ(kelvra::ceil_log2(1), 0);
    EXPECT_EQ(kelvra::ceil_log2(2), 1);
    EXPECT_EQ(kelvra::ceil_log2(3), 2);
    EXPECT_EQ(kelvra::ceil_log2(1024), 10);
    EXPECT_EQ(kelvra::ceil_log2(1025), 11);
}

TEST(ResultMatrix, RowsAreZeroFilledAndLaidOutInBlocks) {
    kelvra::ResultMatrix matrix(999, 999);
    double** rows = matrix.rows();
    int first = 0;
    for (const int block : kelvra::matrix_block_rows(999, 999)) {
        for (int i = 1; i < block; ++i) ASSERT_EQ(rows[first + i], rows[first] + i * 1000);
        first += block;
    }
    for (int r = 0; r <= 999; ++r) {
        for (int c = 0; c <= 999; ++c) ASSERT_EQ(rows[r][c], 0.0);
        rows[r][999] = r;  // every cell is writable
    }
    matrix.release();
    EXPECT_FALSE(matrix.held());
}

TEST(ResultMatrixDeathTest, TooLongRowsEndTheProcessWithStatusOne) {
    // The messages go to standard output; the child sends it to standard error to be matched.
    EXPECT_EXIT((dup2(2, 1), kelvra::alloc_matrix(1, 268434997)), testing::ExitedWithCode(1),
                "too long grid rows");
    EXPECT_EXIT((dup2(2, 1), kelvra::free_matrix(nullptr, 1, 268434997)),
                testing::ExitedWithCode(1), "too long matrix rows");
}

}  // namespace
