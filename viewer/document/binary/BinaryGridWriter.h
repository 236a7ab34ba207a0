#pragma once
#include "BinaryGridFormat.h"
#include "GridHeader.h"
#include "GridRows.h"
#include "OutputBuffer.h"

// Writes a plain binary grid of the given precision: the twelve header values
// (the nodata value to write at index 5, `statistics` at 6 to 11), then every
// cell row by row, cells equal to header.nodata_value written as
// `nodataToWrite`. Single precision rounds every value to the nearest float.
void appendBinaryHeader(OutputBuffer& out, const GridHeader& header,
                        const GridStatistics& statistics, double nodataToWrite,
                        BinaryPrecision precision);
void appendBinaryBody(OutputBuffer& out, const GridHeader& header, const GridRows& values,
                      double nodataToWrite, BinaryPrecision precision);
