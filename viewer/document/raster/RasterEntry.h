#pragma once
#include <QString>

// The parts of a raster's list entry "path<band>N": the file's path and the band (from 1).
struct RasterEntry {
    QString path;
    int band = 1;
};

// Splits a list entry where the selector starts as for netCDF entries (a "<" after the first
// character, a ">" after it); without a selector the entry is the path and band 1 is read.
// The selector must be "<band>" followed by a whole decimal number of at least 1 and nothing
// else. Throws GridFormatError (kind Format) naming `entry` for any other selector.
RasterEntry splitRasterEntry(const QString& entry);
