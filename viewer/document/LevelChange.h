#pragma once
#include "GridDocument.h"
#include "GridFormatError.h"
#include "GridNetcdfLevels.h"

// Shows level `level` of a stack (kept within 0 and LevelCount - 1) and
// recomputes the statistics of the shown level. ASCII and binary stacks point
// Values at that level of Levels; a netCDF stack re-reads the level from
// FileName through `netcdf` into Values. Modified and the selection are
// cleared (the window has asked about saving before). Not a stack: nothing.
//
// A netCDF read that fails throws GridFormatError (kind NetCDF) and leaves the
// document as it was.
void changeLevel(GridDocument& doc, int level, const NetcdfLevelReader& netcdf);
inline void changeLevel(GridDocument& doc, int level, netcdfReader& reader) {
    changeLevel(doc, level, netcdfLevelsOf(reader));
}
