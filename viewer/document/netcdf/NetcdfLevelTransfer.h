#pragma once
#include <cstddef>

#include "GridRows.h"

namespace netCDF {
class NcVar;
}

// How a level's two grid dimensions lie in the data variable.
enum class NetcdfStorageOrder {
    RowsFirst,     // (level, rows, columns): the third dimension is named "x"
    ColumnsFirst,  // (level, columns, rows): the second dimension is named "x"
    AsRead,        // neither is named "x": the values read are taken as column-major
};

// What turns the values of one level into the cells of a grid.
struct NetcdfLevelLayout {
    std::size_t level = 0;
    int rows = 0;
    int columns = 0;
    NetcdfStorageOrder order = NetcdfStorageOrder::RowsFirst;
    bool reverseRows = false;   // the file stores the southern row first
    bool readAsDouble = false;  // a double variable; others are read through floats
    double scale = 1.0;
    double offset = 0.0;
    double nodata = -9999.0;  // taken by cells that are not finite after scaling
    // Added to negative stored values before scaling: 256 or 65536 for byte or short data
    // marked unsigned, 0 otherwise.
    double unsignedWrap = 0.0;
};

// Values read per hyperslab unless the caller asks otherwise: a few MB in flight.
inline constexpr std::size_t defaultTransferValues = std::size_t{1} << 19;

// Reads one level of `variable` straight into `target` (layout.rows ×
// layout.columns, row 0 the northern edge) by hyperslabs of at most
// `bufferValues` values, so that memory stays near one copy of the level.
// Each value becomes value × scale + offset; NaN and infinite results become
// the nodata value. Errors of the netCDF library come through as its exceptions.
void transferLevel(const netCDF::NcVar& variable, const NetcdfLevelLayout& layout, GridRows& target,
                   std::size_t bufferValues = defaultTransferValues);
