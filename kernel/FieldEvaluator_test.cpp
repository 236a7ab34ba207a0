#include "FieldEvaluator.h"

#include <gtest/gtest.h>

#include <vector>

#include "FieldOracle.h"

namespace {

// Fields wider than the table budget are evaluated by the formula itself.
TEST(FieldEvaluator, WithoutTablesAgreesWithTablesAndOracle) {
    const int nrows = 4, ncols = 37;
    const kelvra::FieldModes modes = oracle_modes(31337, nrows, ncols, 0.02, 0.05);
    kelvra::FieldEvaluator tables(modes, ncols);
    kelvra::FieldEvaluator direct(modes, ncols, 0);
    ASSERT_TRUE(tables.uses_tables());
    ASSERT_FALSE(direct.uses_tables());
    std::vector<double> fast(ncols + 1), slow(ncols + 1);
    for (int r = 1; r <= nrows; ++r) {
        tables.compute(r, 1, ncols, fast.data());
        direct.compute(r, 1, ncols, slow.data());
        for (int c = 1; c <= ncols; ++c) {
            EXPECT_NEAR(slow[c], oracle_cell(modes, r, c), 1e-12);
            EXPECT_NEAR(fast[c], slow[c], 1e-12);
        }
    }
}

// A row revisited after another one, in pieces of every length, gives the same bits; pieces
// start and end inside the blocks of eight columns.
TEST(FieldEvaluator, RowPiecesAreBitIdenticalToTheWholeRow) {
    const int ncols = 45;
    const kelvra::FieldModes modes = oracle_modes(5, 3, ncols, 0.01, 0.01);
    kelvra::FieldEvaluator evaluator(modes, ncols);
    std::vector<double> whole(ncols + 1), pieces(ncols + 1), other(ncols + 1);
    evaluator.compute(2, 1, ncols, whole.data());
    for (int length = 1; length <= ncols; ++length) {
        for (int first = 1; first <= ncols; first += length) {
            evaluator.compute(3, 1, ncols, other.data());  // nothing of row 2 is left over
            evaluator.compute(2, first, std::min(ncols, first + length - 1), pieces.data());
        }
        ASSERT_EQ(pieces, whole) << "pieces of " << length;
    }
}

// A step further on in a long row sums ahead only so far; asked again from the row's start,
// the evaluator must sum what lies beyond those sums too instead of taking a previous row's.
TEST(FieldEvaluator, RowAskedFromItsStartAfterAStepFurtherOn) {
    const int further = kelvra::kGroupColumns + 5;  // in the second group of columns
    const int ncols = (kelvra::FieldEvaluator::kLookAheadGroups + 3) * kelvra::kGroupColumns;
    const kelvra::FieldModes modes = oracle_modes(77, 2, ncols, 0.01, 0.01);
    kelvra::FieldEvaluator fresh(modes, ncols);
    std::vector<double> whole(ncols + 1), stepped(ncols + 1);
    fresh.compute(2, 1, ncols, whole.data());

    kelvra::FieldEvaluator evaluator(modes, ncols);
    evaluator.compute(1, 1, ncols, stepped.data());
    evaluator.compute(2, further, further, stepped.data());
    evaluator.compute(2, 1, ncols, stepped.data());
    EXPECT_EQ(stepped, whole);
}

}  // namespace
