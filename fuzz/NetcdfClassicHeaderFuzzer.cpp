// libFuzzer harness for the header reader of classic netCDF files: any bytes
// must give a status, never a read out of bounds, a crash or a large
// allocation, and what a complete header reports must hold together.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "NetcdfClassicHeader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ClassicHeaderResult result = parseClassicHeader(data, size);
    if (result.status != ClassicHeaderStatus::Complete) return 0;
    const ClassicHeader& header = result.header;
    if (header.headerBytes > size) std::abort();
    if (header.version != 1 && header.version != 2 && header.version != 5) std::abort();
    for (const ClassicVariable& variable : header.variables) {
        if (variable.endKnown && variable.end != 0 && variable.end < variable.begin) std::abort();
        // The check against a file's size must answer for any size.
        (void)classicTruncation(variable, size);
        (void)classicTruncation(variable, ~std::uint64_t{0});
        if (header.variable(variable.name) == nullptr) std::abort();
    }
    return 0;
}
