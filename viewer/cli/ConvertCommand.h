#pragma once
#include <QStringList>
#include <QTextStream>

#include "GridNetcdfLevels.h"

// vistal --convert IN OUT [--to ascii|single|double] [--level N] [--nodata V]:
// loads IN as the window would, shows level N, and writes the shown level to
// OUT through the writers of Save Grid, by default in the format Save would
// use for IN. Cells equal to IN's nodata value are written as V (default: that
// nodata value). `args` are the program's arguments; "--convert" among them
// is ignored. Returns 0, or 1 with a message on `err`.
// netCDF files are read through `netcdf`.
int runConvertCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                      const NetcdfLevelReader& netcdf);
// Without a netCDF reader: a netCDF file is an error.
inline int runConvertCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    return runConvertCommand(args, out, err, NetcdfLevelReader());
}
