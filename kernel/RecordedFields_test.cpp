#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "KelvraLibrary.h"

namespace {

// FNV-1a over the bit patterns of the cells, row by row.
std::string cell_hash(double** matrix, int nrows, int ncols) {
    std::uint64_t hash = 14695981039346656037u;
    for (int r = 1; r <= nrows; ++r) {
        for (int c = 1; c <= ncols; ++c) {
            unsigned char bytes[sizeof(double)];
            std::memcpy(bytes, &matrix[r][c], sizeof bytes);
            for (unsigned char byte : bytes) hash = (hash ^ byte) * 1099511628211u;
        }
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// Fields whose cells were recorded bit for bit when the evaluation was first built: faster
// evaluations must reproduce every bit, whatever the step length.
TEST_F(KelvraTest, FieldsKeepTheirRecordedBits) {
    struct Case {
        int nrows, ncols, initvalue;
        double corrx, corry;
        int step;
        const char* hash;
    };
    const Case cases[] = {
        {1, 1, 8, 0.01, 0.01, 1, "d26454a5d9cda4af"},
        {7, 13, 4711, 0.01, 0.01, 5, "5ddc0ebf140b0449"},
        {37, 101, 99, 0.05, 0.002, 100, "77560dea69e41a6f"},
        {999, 3, 123456, 0.2, 0.004, 7, "f4af4ce678e99fe2"},
        {3, 999, 31337, 0.003, 0.3, 1 << 30, "42a099222c3f2775"},
        {40, 1000, 4711, 0.01, 0.01, 100, "0258919fd5607126"},
    };
    for (const Case& c : cases) {
        FieldSetup setup;
        setup.nrows = c.nrows;
        setup.ncols = c.ncols;
        setup.initvalue = c.initvalue;
        setup.corrx = c.corrx;
        setup.corry = c.corry;
        double** matrix = start_field(0, setup);
        int row = 1, col = 1;
        while (k.run_kernel_stepwise(0, &row, &col, c.step) != 1) {
            if (++col > c.ncols) row += 1, col = 1;
        }
        EXPECT_EQ(cell_hash(matrix, c.nrows, c.ncols), c.hash) << c.nrows << "x" << c.ncols;
        k.shutdown_kernel(0, 2);
        k.set_filename(0, "next");
    }
}

}  // namespace
