#pragma once
#include <QString>
#include <cstdint>

#include "GridShape.h"
#include "StatClass.h"
#include "TextNumberScanner.h"

// How the body of a plain ASCII grid was read.
enum class AsciiBodyReading {
    OneCore,   // a short body, no line end to split at, or no second reader of the file
    TwoCores,  // split at a line end, each part converting its numbers into its rows
    // The second part did not start at the row its line count promised (rows spread over
    // several lines, blank lines, ...): read on from the end of the first part on one core.
    TwoCoresThenOne,
};

// What the second part needs: the file, opened a second time, and where the body may split.
struct AsciiBodySplit {
    QString path;  // empty: one core
    std::int64_t fileSize = 0;
    std::int64_t minimumBodyBytes = std::int64_t(4) << 20;  // shorter bodies use one core
    std::size_t chunkSize = std::size_t(1) << 20;           // the second part's reads
};

// Reads the body of a plain ASCII grid exactly as readAsciiBody reads one level: the same
// values, the same statistics (added row by row from the north), `beforeRow` once for each
// row in order, and the same format error naming the first bad word.
//
// A long body is split at the first line end after its middle. While this thread converts
// the first part, a second one counts the line ends before the split, takes each for the end
// of one row, and converts the second part into the rows from there on. The first part
// checks the count: when it held another number of values, the second part's values are
// dropped and the rest is read here.
AsciiBodyReading readAsciiGridBody(TextNumberScanner& scanner, const AsciiBodySplit& split,
                                   GridRows& level, double nodata, StatClass& stats,
                                   const RowCallback& beforeRow, const QString& fileName);
