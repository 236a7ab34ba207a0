#pragma once

#include <cstdint>
#include <memory>

namespace kelvra {

inline constexpr int kFileNameBytes = 1024;

// Parameters of one generator slot, as the setters leave them. The file name buffer exists
// from set_filename until the slot is shut down; every other field keeps its value.
struct KernelSlot {
    std::unique_ptr<char[]> file_name;  // kFileNameBytes, zero-terminated, or null
    std::int32_t nrows = 0;
    std::int32_t ncols = 0;
    double xll = 0.0;
    double yll = 0.0;
    double cs = 0.0;
    double nodata = 0.0;
    double avg = 0.0;
    double stddev = 0.0;
    double corrx = 0.0;
    double corry = 0.0;
    std::int32_t initvalue = 0;
    std::int32_t disttype = 0;
    std::int32_t finished = 0;
};

}  // namespace kelvra
