#pragma once
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "GridHeader.h"
#include "GridNetcdfReader.h"
#include "GridRows.h"

// Reads one level of a netCDF entry: the signature of netcdfReader::read. The
// loader and the level change take it as a function so that they do not
// depend on the reader's implementation (tests pass a fake one).
using NetcdfLevelReader = std::function<void(const QString& entry, int level, GridHeader& header,
                                             int& levelCount, std::vector<double>& columnMajor)>;

// The window's reader as a NetcdfLevelReader; `reader` must outlive the result.
inline NetcdfLevelReader netcdfLevelsOf(netcdfReader& reader) {
    return [&reader](const QString& entry, int level, GridHeader& header, int& levelCount,
                     std::vector<double>& columnMajor) {
        reader.read(entry, level, header, levelCount, columnMajor);
    };
}

// Reads `level` of `entry` through `netcdf` into rows (row 0 the northern
// edge) from the reader's column-major block, and updates `header` and
// `levelCount`. Errors of the reader, and a block that does not match the
// header's size, become a GridFormatError of kind NetCDF.
std::unique_ptr<GridRows> readNetcdfLevel(const NetcdfLevelReader& netcdf, const QString& entry,
                                          int level, GridHeader& header, int& levelCount);
