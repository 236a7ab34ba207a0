#pragma once
#include <QString>
#include <cstddef>

#include "GridFileFormat.h"

// How many leading bytes recognition looks at: the 96-byte header of a double grid.
inline constexpr std::size_t recognitionBytes = 96;

// Tells the format from the first bytes of a file, in the loader's order:
// a 5-byte signature containing "HDF" or "CDF" (netCDF), "stack" (ASCII stack)
// or "ncols" (ASCII grid); else -9999.0 as the double at bytes 40..47 (double
// grid); else -9999.0f as the float at bytes 20..23 (single grid); else
// unrecognised. Case matters, and the keyword must start within the 5 bytes.
GridFileFormat RecogniseGridFormat(const char* bytes, std::size_t size);

// The path of a list entry: the text before "<" when the entry carries a
// netCDF selector "<variable>level" (a "<" after the first character, a ">"
// after it).
QString entryPath(const QString& entry);
