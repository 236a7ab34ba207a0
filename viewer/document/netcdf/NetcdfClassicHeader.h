#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A bounds-checked reader of the header of a classic netCDF file (CDF-1, CDF-2
// with 64-bit offsets, CDF-5 with 64-bit data). It learns where each variable's
// data lie, which the netCDF library does not tell, so that a file cut inside
// its data can be recognised before its missing cells are read as zeros.
//
// The header is outside input: every count is checked against the bytes left
// before it is used, nothing is allocated from a count, and sizes that do not
// fit in 64 bits are reported as such rather than wrapped.

// One variable of the header.
struct ClassicVariable {
    std::string name;
    int type = 0;             // the nc_type number (1 byte ... 11 uint64)
    bool isRecord = false;    // its first dimension is the record dimension
    std::uint64_t begin = 0;  // offset of its first byte (of its first record)
    bool endKnown = true;     // false when its extent overflows 64 bits
    std::uint64_t end = 0;    // the file must hold at least this many bytes for it
};

struct ClassicHeader {
    int version = 0;                // 1, 2 or 5: the byte after "CDF"
    std::uint64_t headerBytes = 0;  // length of the header itself
    bool streaming = false;         // the record count is not recorded (0xFFFFFFFF)
    std::uint64_t numrecs = 0;
    std::vector<ClassicVariable> variables;  // in header order

    // The variable of that name, or null.
    const ClassicVariable* variable(const std::string& name) const;
};

enum class ClassicHeaderStatus {
    NotClassic,     // does not start with "CDF" and version 1, 2 or 5
    Complete,       // the header was read; `header` holds it
    NeedMoreBytes,  // the header runs past the bytes given
    Malformed,      // the header contradicts itself; `problem` says how
};

struct ClassicHeaderResult {
    ClassicHeaderStatus status = ClassicHeaderStatus::NotClassic;
    ClassicHeader header;
    std::string problem;
};

// Reads the header at the start of `bytes` (the first `size` bytes of a file).
ClassicHeaderResult parseClassicHeader(const std::uint8_t* bytes, std::size_t size);

// What a file check found.
struct ClassicFileCheck {
    bool classic = false;  // the file is a classic netCDF file with a readable header
    ClassicHeader header;
    std::uint64_t fileSize = 0;
    std::string problem;  // not empty: the header could not be read or is too long to check
};

// Reads the header of the file at `path` (at most `maxHeaderBytes` of it) and
// returns it with the file's size. Not a classic file: `classic` false and no
// problem. A file that cannot be read gives a problem.
ClassicFileCheck readClassicFileHeader(const std::string& path,
                                       std::size_t maxHeaderBytes = std::size_t{64} << 20);

// Why `variable` does not fit into a file of `fileSize` bytes, or empty when it
// does.
std::string classicTruncation(const ClassicVariable& variable, std::uint64_t fileSize);
