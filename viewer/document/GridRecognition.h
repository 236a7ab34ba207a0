#pragma once
#include <QString>
#include <cstddef>

#include "GridFileFormat.h"

// How many leading bytes recognition looks at: the 96-byte header of a double grid.
inline constexpr std::size_t recognitionBytes = 96;

// Tells the format from the first bytes of a file: the first format of the table
// (gridFormats) that recognises them, else Unrecognised.
GridFileFormat RecogniseGridFormat(const char* bytes, std::size_t size);

// The path of a list entry: the text before "<" when the entry carries a
// netCDF selector "<variable>level" (a "<" after the first character, a ">"
// after it).
QString entryPath(const QString& entry);
