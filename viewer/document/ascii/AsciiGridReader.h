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

// Throws the format error for a word that is not a number (or the end of the text) where
// `where` was expected, naming the word as the file holds it.
[[noreturn]] void throwBadNumber(TextNumberScanner& scanner, TextNumberScanner::Result result,
                                 const QString& where, const QString& fileName);
// "the value of row R, column C" (1-based), with ", level K" in a stack.
QString cellPlace(int row, int column, int level, int levelCount);
