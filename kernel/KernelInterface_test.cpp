#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <set>

#include "KelvraLibrary.h"
#include "kelvra.h"

namespace {

TEST(KelvraExports, ExactlyTheInterfaceFunctions) {
    FILE* pipe = popen((std::string("nm -D --defined-only ") + KelvraLibrary::path()).c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        char address[64], type[8], name[400];
        if (std::sscanf(line, "%63s %7s %399s", address, type, name) == 3) names.insert(name);
    }
    ASSERT_EQ(pclose(pipe), 0);
    const std::set<std::string> expected = {
        "create_kernel",       "destroy_kernel", "set_filename", "set_nrows",
        "set_ncols",           "set_xll",        "set_yll",      "set_cs",
        "set_nodata",          "set_avg",        "set_stddev",   "set_corrx",
        "set_corry",           "set_initvalue",  "set_disttype", "initialize_kernel",
        "run_kernel_stepwise", "shutdown_kernel"};
    EXPECT_EQ(names, expected);
}

TEST_F(KelvraTest, SettersReturnTheirOwnCodes) {
    EXPECT_EQ(k.set_filename(19, "a"), 1);
    EXPECT_EQ(k.set_nrows(19, 1), 2);
    EXPECT_EQ(k.set_ncols(19, 1), 3);
    EXPECT_EQ(k.set_xll(19, 0), 4);
    EXPECT_EQ(k.set_yll(19, 0), 5);
    EXPECT_EQ(k.set_cs(19, 0), 6);
    EXPECT_EQ(k.set_nodata(19, 0), 7);
    EXPECT_EQ(k.set_avg(19, 0), 8);
    EXPECT_EQ(k.set_stddev(19, 0), 9);
    EXPECT_EQ(k.set_corrx(19, 0), 10);
    EXPECT_EQ(k.set_corry(19, 0), 11);
    EXPECT_EQ(k.set_initvalue(19, 0), 12);
    EXPECT_EQ(k.set_disttype(19, 0), 13);
}

TEST_F(KelvraTest, SlotsOutsideTheTableDoNothing) {
    for (const int slot : {-1, 20, 1000, INT_MIN, INT_MAX}) {
        EXPECT_EQ(k.set_filename(slot, "x"), KELVRA_BAD_SLOT);
        EXPECT_EQ(k.set_nrows(slot, 1), KELVRA_BAD_SLOT);
        EXPECT_EQ(k.set_corry(slot, 1), KELVRA_BAD_SLOT);
        EXPECT_EQ(k.set_disttype(slot, 1), KELVRA_BAD_SLOT);
        int rows = 7, cols = 8;
        EXPECT_EQ(k.initialize_kernel(slot, &rows, &cols), nullptr);
        EXPECT_EQ(k.run_kernel_stepwise(slot, &rows, &cols, 1), KELVRA_BAD_SLOT);
        EXPECT_EQ(k.shutdown_kernel(slot, 1), KELVRA_BAD_SLOT);
        EXPECT_EQ(rows * 10 + cols, 78);
    }
    k.destroy_kernel();  // without tables every slot is out of reach
    EXPECT_EQ(k.set_nrows(0, 1), KELVRA_BAD_SLOT);
    EXPECT_EQ(k.initialize_kernel(0, nullptr, nullptr), nullptr);
}

TEST_F(KelvraTest, InitializeRefusesUnnamedSlotsAndEmptyGrids) {
    FieldSetup setup;
    for (int slot = 0; slot < 3; ++slot) {
        k.set_nrows(slot, 5);
        k.set_ncols(slot, 5);
        EXPECT_EQ(k.initialize_kernel(slot, nullptr, nullptr), nullptr);
    }
    EXPECT_EQ(k.set_filename(0, nullptr), KELVRA_BAD_ARGUMENT);
    EXPECT_EQ(k.set_filename(0, std::string(1024, 'a').c_str()), KELVRA_BAD_ARGUMENT);
    EXPECT_EQ(k.initialize_kernel(0, nullptr, nullptr), nullptr);
    EXPECT_EQ(k.set_filename(0, std::string(1023, 'a').c_str()), 1);

    setup.nrows = 0;
    EXPECT_EQ(start_field(1, setup), nullptr);
    setup.nrows = 3;
    setup.ncols = -2;
    EXPECT_EQ(start_field(2, setup), nullptr);
    int row = 1, col = 1;
    EXPECT_EQ(k.run_kernel_stepwise(2, &row, &col, 1), KELVRA_NOT_RUNNING);

    setup.ncols = 4;
    int nrows = 0, ncols = 0;
    ASSERT_NE(start_field(2, setup), nullptr);
    double** matrix = k.initialize_kernel(2, &nrows, &ncols);  // replaces the running one
    ASSERT_NE(matrix, nullptr);
    EXPECT_EQ(nrows, 3);
    EXPECT_EQ(ncols, 4);
    for (int r = 0; r <= 3; ++r) {
        for (int c = 0; c <= 4; ++c) EXPECT_EQ(matrix[r][c], 0.0);
    }
    complete_field(2);
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(matrix[0][i], 0.0);
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(matrix[i][0], 0.0);
}

TEST_F(KelvraTest, ShutdownModesOneAndTwoFinishTheSlotOthersDoNothing) {
    FieldSetup setup;
    setup.file_name = file("kept.asc");
    double** matrix = start_field(4, setup);
    EXPECT_EQ(k.shutdown_kernel(4, 0), 0);
    EXPECT_EQ(k.shutdown_kernel(4, 3), 0);
    int row = 1, col = 1;
    EXPECT_EQ(k.run_kernel_stepwise(4, &row, &col, 10), -1);  // still running
    EXPECT_NE(matrix[1][10], 0.0);

    EXPECT_EQ(k.shutdown_kernel(4, 2), 0);
    EXPECT_FALSE(std::filesystem::exists(setup.file_name));
    row = 5, col = 6;
    EXPECT_EQ(k.run_kernel_stepwise(4, &row, &col, 10), 1);
    EXPECT_EQ(row * 10 + col, 56);
    EXPECT_EQ(k.shutdown_kernel(4, 2), KELVRA_NOT_RUNNING);
    EXPECT_EQ(k.shutdown_kernel(5, 1), KELVRA_NOT_RUNNING);  // never initialised
}

TEST_F(KelvraTest, ReusedSlotKeepsItsParametersButNeedsANewFileName) {
    FieldSetup setup;
    setup.nrows = 6;
    setup.ncols = 9;
    double** matrix = start_field(7, setup);
    complete_field(7);
    const std::vector<double> first = matrix_cells(matrix, 6, 9);
    ASSERT_EQ(k.shutdown_kernel(7, 2), 0);

    int nrows = 0, ncols = 0;
    EXPECT_EQ(k.initialize_kernel(7, &nrows, &ncols), nullptr);
    k.set_filename(7, "again");
    matrix = k.initialize_kernel(7, &nrows, &ncols);
    ASSERT_NE(matrix, nullptr);
    EXPECT_EQ(nrows * 100 + ncols, 609);
    complete_field(7);
    EXPECT_EQ(matrix_cells(matrix, 6, 9), first);
}

using KelvraDeathTest = KelvraTest;

TEST_F(KelvraDeathTest, TooLongGridRowsEndTheProcessWithStatusOne) {
    FieldSetup setup;
    setup.nrows = 1;
    setup.ncols = 268434997;  // rows of 2147479984 bytes, with block overhead over the limit
    EXPECT_EXIT((dup2(2, 1), start_field(0, setup)), testing::ExitedWithCode(1),
                "too long grid rows");
}

}  // namespace
