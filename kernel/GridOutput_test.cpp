#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <fstream>

#include "FieldOracle.h"
#include "KelvraLibrary.h"
#include "kelvra.h"

namespace {

std::string number(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.8g", value);
    return buffer;
}

class KelvraOutput : public KelvraTest {
protected:
    void write_text(const std::filesystem::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    int leftover_files() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            count += entry.path().filename().string().starts_with(".kelvra");
        }
        return count;
    }
};

TEST_F(KelvraOutput, WritesHeaderAndScaledValuesExactly) {
    FieldSetup setup;
    setup.file_name = file("grid.asc");
    setup.nrows = 3;
    setup.ncols = 4;
    setup.xll = 2500000.5;
    setup.yll = -12.25;
    setup.cs = 25;
    setup.nodata = -9999;
    setup.avg = 10;
    setup.stddev = 2;
    start_field(0, setup);
    complete_field(0);
    ASSERT_EQ(k.shutdown_kernel(0, 1), 0);

    const auto modes = oracle_modes(setup.initvalue, 3, 4, setup.corrx, setup.corry);
    std::string expected =
        "ncols        4\r\nnrows        3\r\nxll          2500000.5\r\nyll          -12.25\r\n"
        "cs           25\r\nnodata_value -9999\r\n";
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 4; ++c) expected += number(oracle_cell(modes, r, c) * 2 + 10) + "\t";
        expected += "\r\n";
    }
    EXPECT_EQ(read_file(setup.file_name), expected);
    EXPECT_EQ(leftover_files(), 0);
}

TEST_F(KelvraOutput, LogarithmicTypeWritesPowersOfTen) {
    FieldSetup setup;
    setup.file_name = file("single.asc");
    setup.nrows = setup.ncols = 1;
    setup.avg = 1;
    setup.stddev = 0.5;
    setup.disttype = 1;
    double** matrix = start_field(0, setup);
    complete_field(0);
    const double value = std::pow(10.0, matrix[1][1] * 0.5 + 1);
    ASSERT_EQ(k.shutdown_kernel(0, 1), 0);
    const std::string text = read_file(setup.file_name);
    EXPECT_TRUE(text.ends_with("nodata_value -9999\r\n" + number(value) + "\t\r\n")) << text;
}

// With stddev 0 every cell, computed or not, is written as avg (or 10^avg).
TEST_F(KelvraOutput, UncomputedCellsAndZeroDeviationWriteTheAverage) {
    FieldSetup setup;
    setup.nrows = 2;
    setup.ncols = 3;
    setup.avg = 3.25;
    setup.file_name = file("partial.asc");
    start_field(0, setup);
    setup.file_name = file("flat.asc");
    setup.stddev = 0;
    setup.avg = 2;
    setup.disttype = 7;
    start_field(1, setup);
    for (int slot : {0, 1}) {
        int row = 1, col = 1;
        k.run_kernel_stepwise(slot, &row, &col, 2);
        ASSERT_EQ(k.shutdown_kernel(slot, 1), 0);
    }
    const std::string partial = read_file(file("partial.asc"));
    EXPECT_TRUE(partial.ends_with("\t3.25\t\r\n3.25\t3.25\t3.25\t\r\n")) << partial;
    EXPECT_NE(partial.find("ncols        3\r\nnrows        2\r\n"), std::string::npos);
    EXPECT_TRUE(
        read_file(file("flat.asc")).ends_with("-9999\r\n100\t100\t100\t\r\n100\t100\t100\t\r\n"));
}

TEST_F(KelvraOutput, UnwritableFileIsReportedAndTheSlotStillReleased) {
    FieldSetup setup;
    setup.file_name = file("missing/grid.asc");
    setup.nrows = setup.ncols = 500;
    start_field(0, setup);
    complete_field(0);
    const std::size_t before = heap_bytes_in_use();
    EXPECT_EQ(k.shutdown_kernel(0, 1), KELVRA_WRITE_FAILED);
    EXPECT_GE(before - heap_bytes_in_use(), 501u * 501u * 8u);  // the matrix is gone
    int row = 2, col = 3;
    EXPECT_EQ(k.run_kernel_stepwise(0, &row, &col, 1), 1);
    EXPECT_EQ(row * 10 + col, 23);
    EXPECT_EQ(k.shutdown_kernel(0, 1), KELVRA_NOT_RUNNING);
    EXPECT_EQ(leftover_files(), 0);

    setup.file_name = folder.string();  // a folder cannot be replaced by a file
    setup.nrows = setup.ncols = 2;
    write_text(folder / "inside", "kept");
    start_field(0, setup);
    EXPECT_EQ(k.shutdown_kernel(0, 1), KELVRA_WRITE_FAILED);
    EXPECT_EQ(read_file(folder / "inside"), "kept");
    EXPECT_EQ(leftover_files(), 0);
}

TEST_F(KelvraOutput, FailedWriteLeavesAnExistingFileIntact) {
    FieldSetup setup;
    setup.file_name = file("grid.asc");
    write_text(setup.file_name, "old grid");
    start_field(0, setup);
    complete_field(0);
    // The child can write only 4096 bytes per file: the grid breaks off in the middle.
    const auto write_with_small_limit = [this] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(k.shutdown_kernel(0, 1) == KELVRA_WRITE_FAILED ? 0 : 2);
    };
    EXPECT_EXIT(write_with_small_limit(), testing::ExitedWithCode(0), "");
    EXPECT_EQ(read_file(setup.file_name), "old grid");
    EXPECT_EQ(leftover_files(), 0);

    // Written in full, the file replaces the old one; a link to it stays a link.
    std::filesystem::create_symlink("grid.asc", folder / "link.asc");
    setup.file_name = file("link.asc");
    start_field(1, setup);
    ASSERT_EQ(k.shutdown_kernel(1, 1), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.asc"));
    EXPECT_TRUE(read_file(file("grid.asc")).starts_with("ncols        100\r\n"));
    EXPECT_EQ(leftover_files(), 0);
}

// Fields whose final values overflow (or are no numbers at all) are refused before the file is
// opened: a distinct code, no file, an old file of the same name intact, the slot released.
TEST_F(KelvraOutput, NonFiniteValuesAreRefusedAndNothingIsWritten) {
    struct Case {
        const char* name;
        double avg, stddev, corrx;
        int disttype;
    };
    const Case cases[] = {
        {"huge.asc", 1e308, 1e308, 0.01, 0},   // overflows where z > 0.8
        {"power.asc", 400, 1, 0.01, 1},        // 10^400
        {"nan.asc", 0, 1, 1e-310, 0},          // 1 / corrx is infinite: 0 * inf
        {"deviation.asc", 0, 1e308, 0.01, 1},  // 10^(z * 1e308)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FieldSetup setup;
        setup.file_name = file(c.name);
        setup.nrows = setup.ncols = 40;  // wide enough for values of both signs
        setup.avg = c.avg;
        setup.stddev = c.stddev;
        setup.corrx = c.corrx;
        setup.disttype = c.disttype;
        write_text(setup.file_name, "old grid");
        start_field(0, setup);
        complete_field(0);
        const std::size_t before = heap_bytes_in_use();
        EXPECT_EQ(k.shutdown_kernel(0, 1), KELVRA_NOT_FINITE);
        EXPECT_GE(before - heap_bytes_in_use(), 41u * 41u * 8u);  // the matrix is gone
        EXPECT_EQ(read_file(setup.file_name), "old grid");
        EXPECT_EQ(k.shutdown_kernel(0, 1), KELVRA_NOT_RUNNING);
        EXPECT_EQ(leftover_files(), 0);
    }
    // Without an old file, none appears.
    FieldSetup setup;
    setup.file_name = file("new.asc");
    setup.avg = 400;
    setup.disttype = 1;
    start_field(1, setup);
    EXPECT_EQ(k.shutdown_kernel(1, 1), KELVRA_NOT_FINITE);
    EXPECT_FALSE(std::filesystem::exists(setup.file_name));
    // Values that come close to the largest number, or to 0, are written.
    setup.file_name = file("edge.asc");
    setup.nrows = setup.ncols = 2;
    setup.avg = 308;
    setup.stddev = 0;
    start_field(1, setup);
    EXPECT_EQ(k.shutdown_kernel(1, 1), 0);
    setup.avg = -400;
    setup.stddev = 1;
    setup.file_name = file("tiny.asc");
    start_field(1, setup);
    complete_field(1);
    EXPECT_EQ(k.shutdown_kernel(1, 1), 0);
    EXPECT_TRUE(read_file(file("tiny.asc")).ends_with("0\t0\t\r\n")) << read_file(file("tiny.asc"));
}

}  // namespace
