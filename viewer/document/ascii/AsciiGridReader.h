#pragma once
#include <QString>

#include "GridShape.h"
#include "StatClass.h"
#include "TextNumberScanner.h"

// Reads the header of an ASCII grid: six pairs of a word and a number. The
// words are not checked ("xll", "cs" or words of any language will do); the
// numbers are ncols, nrows, xllcorner, yllcorner, cellsize, nodata_value. An
// ASCII stack has six more pairs, read into the statistics places in the order
// CellCount, Minimum, Maximum, Sum, Average, StdDeviation.
GridFileHeader readAsciiHeader(TextNumberScanner& scanner, bool stack, const QString& fileName);

// Reads the body of an ASCII grid or stack: for each row from the north, for
// each column from the west, one number per level (level 0 first) into
// `levels`, which all have the same shape. Every level-0 value that is not
// nodata goes into `stats`. A word that is not a number or a body that ends
// early is a format error.
void readAsciiBody(TextNumberScanner& scanner, const std::vector<GridRows*>& levels, double nodata,
                   StatClass& stats, const RowCallback& beforeRow, const QString& fileName);
