#pragma once
#include <QString>
#include <functional>
#include <memory>

#include "GridHeader.h"
#include "GridNetcdfReader.h"
#include "GridRows.h"

// Reads one level of a netCDF entry: the signature of netcdfReader::read (rows
// may hold cells to read over). The
// loader and the level change take it as a function so that they do not
// depend on the reader's implementation (tests pass a fake one).
using NetcdfLevelReader = std::function<void(const QString& entry, int level, GridHeader& header,
                                             int& levelCount, std::unique_ptr<GridRows>& rows)>;

// The window's reader as a NetcdfLevelReader; `reader` must outlive the result.
inline NetcdfLevelReader netcdfLevelsOf(netcdfReader& reader) {
    return [&reader](const QString& entry, int level, GridHeader& header, int& levelCount,
                     std::unique_ptr<GridRows>& rows) {
        reader.read(entry, level, header, levelCount, rows);
    };
}

// Reads `level` of `entry` through `netcdf` into rows (row 0 the northern
// edge), and updates `header` and `levelCount`. Errors of the reader, and rows
// that do not match the header's size, become a GridFormatError of kind NetCDF;
// a file whose contents do not fit (the reader's format errors) and a grid
// without cells become one of kind Format.
std::unique_ptr<GridRows> readNetcdfLevel(const NetcdfLevelReader& netcdf, const QString& entry,
                                          int level, GridHeader& header, int& levelCount);
// The same, reading over the cells of `rows` where they have the level's size. A read that
// fails while writing them releases them; otherwise they stay as they were.
void readNetcdfLevelOver(const NetcdfLevelReader& netcdf, const QString& entry, int level,
                         GridHeader& header, int& levelCount, std::unique_ptr<GridRows>& rows);
