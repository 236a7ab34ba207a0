#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "KelvraCallTable.h"

// The built libkelvra.so, opened with dlopen and called through its C interface only.
struct KelvraLibrary : KelvraCalls {
    static const KelvraLibrary& get();  // opens the library on first use
    static const char* path() { return KELVRA_LIBRARY_PATH; }
};

// Parameters of one field, with the front end's defaults.
struct FieldSetup {
    std::string file_name = "field.000";
    int nrows = 100;
    int ncols = 100;
    double xll = 0.0, yll = 0.0, cs = 100.0, nodata = -9999.0;
    double avg = 0.0, stddev = 1.0, corrx = 0.01, corry = 0.01;
    int initvalue = 4711;
    int disttype = 0;
};

// Sets every parameter of the slot and initialises it; returns the matrix.
double** start_field(int slot, const FieldSetup& setup);

// Computes the whole field in one call.
void complete_field(int slot);

// Reads a whole file as bytes ("" when missing).
std::string read_file(const std::filesystem::path& path);

// Bytes of heap memory the process holds: from the sanitizer's allocator in a sanitizer
// build, from the C library's allocator otherwise.
std::size_t heap_bytes_in_use();

// The cells of rows 1..nrows, columns 1..ncols of a result matrix.
std::vector<double> matrix_cells(double** matrix, int nrows, int ncols);

// Each test starts with freshly created tables and a folder of its own for grid files.
class KelvraTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string file(const std::string& name) const { return (folder / name).string(); }

    const KelvraLibrary& k = KelvraLibrary::get();
    std::filesystem::path folder;
};
