#pragma once
#include "GridHeader.h"
#include "GridRows.h"
#include "OutputBuffer.h"

// Writes an ASCII grid exactly as the viewer always has: the six header lines
// "ncols        " and "nrows        " with "%g", "xllcorner    ", "yllcorner    ",
// "cellsize     " and "nodata_value " with "%.10g", each ended by CR LF; then
// one line per row, every value "%.10g" followed by a tab, the line ended by
// CR LF; the very first value right-aligned in 12 characters. Cells equal to
// header.nodata_value are written as `nodataToWrite`, which also goes into
// the header.
void writeAsciiGrid(OutputBuffer& out, const GridHeader& header, const GridRows& values,
                    double nodataToWrite);

// The two parts of writeAsciiGrid: the six header lines, and the rows.
void writeAsciiHeader(OutputBuffer& out, const GridHeader& header, double nodataToWrite);
void writeAsciiBody(OutputBuffer& out, const GridHeader& header, const GridRows& values,
                    double nodataToWrite);
