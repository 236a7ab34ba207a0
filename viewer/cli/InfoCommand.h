#pragma once
#include <QStringList>
#include <QTextStream>

#include "GridNetcdfLevels.h"

// vistal --info FILE [--level N] [--values]: loads FILE as the window would and
// prints JSON with the keys format, ncols, nrows, xllcorner, yllcorner,
// cellsize, nodata_value, levels, level, statistics (CellCount, Minimum,
// Maximum, Sum, Average, StdDeviation of the shown level) and, with --values,
// values (rows from the north, nodata as its number). `args` are the
// program's arguments; "--info" among them is ignored. Returns 0, or 1 with a
// message on `err`.
// netCDF files are read through `netcdf`.
int runInfoCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                   const NetcdfLevelReader& netcdf);
// Without a netCDF reader: a netCDF file is an error.
inline int runInfoCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    return runInfoCommand(args, out, err, NetcdfLevelReader());
}
