#include "ModeSums.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "FieldKernel.h"
#include "KelvraLibrary.h"
#include "KernelSlot.h"

namespace {

using kelvra::FieldKernel;
using kelvra::SumPath;

struct Shape {
    int nrows, ncols, initvalue;
    double corrx, corry;
};

kelvra::KernelSlot slot_for(const Shape& shape, int disttype, const std::string& file_name) {
    kelvra::KernelSlot slot;
    slot.file_name = std::make_unique<char[]>(kelvra::kFileNameBytes);
    std::strcpy(slot.file_name.get(), file_name.c_str());
    slot.nrows = shape.nrows;
    slot.ncols = shape.ncols;
    slot.cs = 25.0;
    slot.nodata = -9999.0;
    slot.avg = 1.5;
    slot.stddev = 0.75;
    slot.corrx = shape.corrx;
    slot.corry = shape.corry;
    slot.initvalue = shape.initvalue;
    slot.disttype = disttype;
    return slot;
}

// Steps through the whole field as the front end does and returns the bits of every cell.
std::vector<std::uint64_t> cell_bits(FieldKernel& kernel, int step) {
    int row = 1, col = 1;
    while (kernel.run_stepwise(row, col, step) != 1) {
        if (++col > kernel.ncols()) row += 1, col = 1;
    }
    std::vector<std::uint64_t> bits;
    for (int r = 1; r <= kernel.nrows(); ++r) {
        for (int c = 1; c <= kernel.ncols(); ++c) {
            std::uint64_t cell;
            std::memcpy(&cell, &kernel.matrix()[r][c], sizeof cell);
            bits.push_back(cell);
        }
    }
    return bits;
}

class SumPaths : public KelvraTest {};

// Each vector path gives every cell and every written byte of the baseline path: odd sizes,
// rows shorter than a block and longer than one step sums ahead, steps of different lengths.
TEST_F(SumPaths, VectorPathsGiveTheBaselineCellsAndFiles) {
    std::vector<SumPath> paths;
    for (SumPath path : {SumPath::Avx2, SumPath::Avx512}) {
        if (kelvra::sum_path_available(path)) paths.push_back(path);
    }
    if (paths.empty()) GTEST_SKIP() << "no vector path on this processor";
    const Shape shapes[] = {{1, 1, 8, 0.01, 0.01},       {7, 13, 4711, 0.01, 0.01},
                            {37, 101, 99, 0.05, 0.002},  {999, 3, 123456, 0.2, 0.004},
                            {3, 999, 31337, 0.003, 0.3}, {2, 2100, 5, 0.02, 0.01}};
    const int steps[][2] = {{1, 1 << 30}, {5, 100}, {100, 7}, {3, 1000}, {1 << 30, 5}, {5, 33}};
    for (int disttype : {0, 1}) {
        for (std::size_t i = 0; i < std::size(shapes); ++i) {
            const Shape& shape = shapes[i];
            FieldKernel baseline(slot_for(shape, disttype, file("baseline.asc")),
                                 kelvra::FieldEvaluator::kDefaultTableBudget, SumPath::Baseline);
            const auto expected = cell_bits(baseline, steps[i][0]);
            ASSERT_EQ(baseline.write_and_release(true), kelvra::FieldKernel::WriteOutcome::done);
            const std::string expected_file = read_file(file("baseline.asc"));
            for (SumPath path : paths) {
                const std::string name =
                    std::to_string(shape.nrows) + "x" + std::to_string(shape.ncols) + " type " +
                    std::to_string(disttype) + (path == SumPath::Avx2 ? " AVX2" : " AVX-512");
                FieldKernel vector(slot_for(shape, disttype, file("vector.asc")),
                                   kelvra::FieldEvaluator::kDefaultTableBudget, path);
                EXPECT_EQ(cell_bits(vector, steps[i][1]), expected) << name;
                ASSERT_EQ(vector.write_and_release(true), kelvra::FieldKernel::WriteOutcome::done);
                EXPECT_TRUE(read_file(file("vector.asc")) == expected_file) << name;
            }
        }
    }
}

}  // namespace
