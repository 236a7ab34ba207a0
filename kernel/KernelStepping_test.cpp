#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "FieldOracle.h"
#include "KelvraLibrary.h"

namespace {

struct Cursor {
    int row = 1, col = 1;
};

class KelvraStepping : public KelvraTest {
protected:
    int run(int slot, Cursor& cursor, int count) {
        return k.run_kernel_stepwise(slot, &cursor.row, &cursor.col, count);
    }
    // Moves the cursor to the cell after it, as the front end does between calls.
    static void advance(Cursor& cursor, int ncols) {
        if (++cursor.col > ncols) cursor = {cursor.row + 1, 1};
    }
};

TEST_F(KelvraStepping, CountOfZeroOrLessComputesOneCell) {
    FieldSetup setup;
    setup.nrows = 5;
    setup.ncols = 4;
    double** matrix = start_field(0, setup);
    Cursor cursor{2, 3};
    EXPECT_EQ(run(0, cursor, 0), -1);
    EXPECT_EQ(cursor.row * 10 + cursor.col, 23);
    cursor = {2, 4};
    EXPECT_EQ(run(0, cursor, -7), -1);
    EXPECT_EQ(cursor.row * 10 + cursor.col, 24);
    int computed = 0;
    for (double cell : matrix_cells(matrix, 5, 4)) computed += cell != 0.0;
    EXPECT_EQ(computed, 2);
    EXPECT_NE(matrix[2][3], 0.0);
    EXPECT_NE(matrix[2][4], 0.0);
}

TEST_F(KelvraStepping, CursorCrossesRowsAndReportsTheLastCell) {
    FieldSetup setup;
    setup.nrows = 3;
    setup.ncols = 4;
    double** matrix = start_field(1, setup);
    Cursor cursor{1, 3};
    EXPECT_EQ(run(1, cursor, 4), -1);  // (1,3) (1,4) (2,1) (2,2)
    EXPECT_EQ(cursor.row * 10 + cursor.col, 22);
    EXPECT_NE(matrix[2][2], 0.0);
    EXPECT_EQ(matrix[2][3], 0.0);
    const double first = matrix[2][2];
    EXPECT_EQ(run(1, cursor, 1), -1);  // the cursor cell again, same value
    EXPECT_EQ(matrix[2][2], first);

    cursor = {2, 3};
    EXPECT_EQ(run(1, cursor, 6), 1);  // ends exactly on (3,4)
    EXPECT_EQ(cursor.row * 10 + cursor.col, 34);
    cursor = {3, 4};
    EXPECT_EQ(run(1, cursor, 1), 1);
    EXPECT_EQ(cursor.row * 10 + cursor.col, 34);
    cursor = {1, 1};
    EXPECT_EQ(run(1, cursor, 13), 1);  // one cell to spare
    EXPECT_EQ(cursor.row * 10 + cursor.col, 45);
    cursor = {3, 3};
    EXPECT_EQ(run(1, cursor, 1), -1);
    EXPECT_EQ(cursor.row * 10 + cursor.col, 33);
}

TEST_F(KelvraStepping, FinishedSlotsAndRowsBeyondTheGridComputeNothing) {
    FieldSetup setup;
    setup.nrows = 3;
    setup.ncols = 3;
    double** matrix = start_field(2, setup);
    for (Cursor cursor : {Cursor{4, 1}, Cursor{4, 4}, Cursor{9, 2}}) {
        const Cursor before = cursor;
        EXPECT_EQ(run(2, cursor, 100), 1);
        EXPECT_EQ(cursor.row * 10 + cursor.col, before.row * 10 + before.col);
    }
    EXPECT_EQ(matrix_cells(matrix, 3, 3), std::vector<double>(9, 0.0));

    complete_field(2);
    ASSERT_EQ(k.shutdown_kernel(2, 2), 0);
    Cursor cursor{1, 1};
    EXPECT_EQ(run(2, cursor, 100), 1);
    EXPECT_EQ(cursor.row * 10 + cursor.col, 11);
}

// Cursors at the limits of int: rows beyond the grid compute nothing, whatever the column;
// rows and columns below 1 start at the first cell of the grid or of the row.
TEST_F(KelvraStepping, ExtremeCursorsStayInsideTheGrid) {
    constexpr int most = std::numeric_limits<int>::max();
    constexpr int least = std::numeric_limits<int>::min();
    FieldSetup setup;
    setup.nrows = 3;
    setup.ncols = 3;
    double** matrix = start_field(0, setup);
    for (Cursor cursor : {Cursor{most, most}, Cursor{most, 1}, Cursor{most, least},
                          Cursor{4, least}, Cursor{3, most}, Cursor{3, 4}}) {
        const Cursor before = cursor;
        EXPECT_EQ(run(0, cursor, 1), 1) << before.row << "," << before.col;
        EXPECT_EQ(cursor.row, before.row);
        EXPECT_EQ(cursor.col, before.col);
    }
    EXPECT_EQ(matrix_cells(matrix, 3, 3), std::vector<double>(9, 0.0));

    struct Case {
        Cursor cursor;
        int computed;  // row * 10 + column of the one cell computed
    };
    for (const Case& c :
         {Case{{least, least}, 11}, Case{{-1, 3}, 11}, Case{{0, most}, 11}, Case{{2, least}, 21},
          Case{{2, 0}, 21}, Case{{1, most}, 21}, Case{{2, 4}, 31}}) {
        double** cleared = start_field(1, setup);
        Cursor cursor = c.cursor;
        EXPECT_EQ(run(1, cursor, 1), -1);
        EXPECT_EQ(cursor.row * 10 + cursor.col, c.computed);
        int computed = 0;
        for (double cell : matrix_cells(cleared, 3, 3)) computed += cell != 0.0;
        EXPECT_EQ(computed, 1);
        EXPECT_NE(cleared[c.computed / 10][c.computed % 10], 0.0);
    }
}

// The same field computed in one call, cell by cell and in uneven steps, with the slots'
// steps interleaved, has identical bits in every cell.
TEST_F(KelvraStepping, ValuesDoNotDependOnHowCellsAreGrouped) {
    FieldSetup setup;
    setup.nrows = 29;
    setup.ncols = 613;
    setup.corrx = 0.03;
    std::vector<double**> matrices;
    for (int slot = 0; slot < 3; ++slot) matrices.push_back(start_field(slot, setup));
    complete_field(0);
    std::mt19937 random(11);
    std::uniform_int_distribution<int> step(1, 150);
    Cursor single, uneven;
    int single_status = -1, uneven_status = -1;
    while (single_status != 1 || uneven_status != 1) {
        if (single_status != 1) single_status = run(1, single, 1);
        advance(single, setup.ncols);
        if (uneven_status != 1) uneven_status = run(2, uneven, step(random));
        advance(uneven, setup.ncols);
    }
    const auto whole = matrix_cells(matrices[0], setup.nrows, setup.ncols);
    EXPECT_EQ(matrix_cells(matrices[1], setup.nrows, setup.ncols), whole);
    EXPECT_EQ(matrix_cells(matrices[2], setup.nrows, setup.ncols), whole);
}

// Rows longer than what one step sums ahead, taken in the five-cell steps of twenty running
// generators: the same bits as one call, and the matrix holds only the cells asked for so far.
TEST_F(KelvraStepping, SmallStepsOnLongRowsGiveTheSameCellsAndShowOnlyTheAskedOnes) {
    FieldSetup setup;
    setup.nrows = 3;
    setup.ncols = 2500;
    double** whole = start_field(0, setup);
    complete_field(0);
    double** stepped = start_field(1, setup);
    Cursor cursor;
    int status = run(1, cursor, 5);
    EXPECT_NE(stepped[1][5], 0.0);
    EXPECT_EQ(stepped[1][6], 0.0);
    advance(cursor, setup.ncols);
    while (status != 1) {
        status = run(1, cursor, 5);
        advance(cursor, setup.ncols);
    }
    EXPECT_EQ(matrix_cells(stepped, setup.nrows, setup.ncols),
              matrix_cells(whole, setup.nrows, setup.ncols));
}

TEST_F(KelvraStepping, FastEvaluationAgreesWithTheDirectFormula) {
    struct Case {
        int nrows, ncols, initvalue;
        double corrx, corry;
    };
    for (const Case& c : {Case{10, 10, 4711, 0.01, 0.01}, Case{7, 600, 99, 0.05, 0.002},
                          Case{520, 3, 123456, 0.2, 0.004}, Case{1, 1, 8, 0.01, 0.01}}) {
        FieldSetup setup;
        setup.nrows = c.nrows;
        setup.ncols = c.ncols;
        setup.initvalue = c.initvalue;
        setup.corrx = c.corrx;
        setup.corry = c.corry;
        double** matrix = start_field(3, setup);
        complete_field(3);
        const auto modes = oracle_modes(c.initvalue, c.nrows, c.ncols, c.corrx, c.corry);
        for (int r = 1; r <= c.nrows; ++r) {
            for (int col = 1; col <= c.ncols; ++col) {
                ASSERT_NEAR(matrix[r][col], oracle_cell(modes, r, col), 1e-12)
                    << c.nrows << "x" << c.ncols << " cell " << r << "," << col;
            }
        }
        if (c.nrows == 1) {  // X[1] = Y[1] = 0: only the phases remain
            double sum = 0.0;
            for (int n = 1; n <= 500; ++n) sum += std::cos(modes.phi[n]);
            EXPECT_NEAR(matrix[1][1], std::sqrt(2.0 / 500) * sum, 1e-12);
        }
        k.shutdown_kernel(3, 2);
        k.set_filename(3, "next");
    }
}

TEST_F(KelvraStepping, SmallFieldIsTheCornerOfALargerOneWithTheSameSeed) {
    FieldSetup setup;
    double** large = start_field(0, setup);
    setup.nrows = setup.ncols = 10;
    double** small = start_field(1, setup);
    complete_field(0);
    complete_field(1);
    for (int r = 1; r <= 10; ++r) {
        for (int c = 1; c <= 10; ++c) ASSERT_EQ(small[r][c], large[r][c]);
    }
}

}  // namespace
