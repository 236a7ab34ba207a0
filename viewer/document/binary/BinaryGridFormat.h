#pragma once
#include <QIODevice>
#include <QString>
#include <cstddef>

#include "DoubleGridBody.h"
#include "GridShape.h"
#include "StatClass.h"

// The two binary grid formats: a little-endian header of twelve values of the
// file's type (ncols, nrows, xllcorner, yllcorner, cellsize, nodata_value,
// CellCount, Minimum, Maximum, Sum, Average, StdDeviation), then the cells row
// by row from the north; a stack stores the values of all levels of a cell
// one after the other.
enum class BinaryPrecision { Single, Double };

inline constexpr std::size_t valueBytes(BinaryPrecision precision) {
    return precision == BinaryPrecision::Double ? 8 : 4;
}
inline constexpr std::size_t binaryHeaderBytes(BinaryPrecision precision) {
    return 12 * valueBytes(precision);
}

// The twelve header values, widened to double. `bytes` holds binaryHeaderBytes.
GridFileHeader readBinaryHeader(const char* bytes, BinaryPrecision precision);

// The header of a plain grid as the writer stores it: the nodata value to
// write at index 5 and the given statistics at 6 to 11.
void writeBinaryHeader(const GridHeader& header, double nodataToWrite,
                       const GridStatistics& statistics, BinaryPrecision precision, char* bytes);

// Reads the body from `device`, positioned right after the header, into
// `levels` (all of one shape), floats widened to double. NaN and infinite
// values are stored as `nodata`. Every level-0 value that is not nodata goes
// into `stats`. A body that ends early is a format error. A long plain double
// grid is read on two cores when `split` names the file.
void readBinaryBody(QIODevice& device, BinaryPrecision precision,
                    const std::vector<GridRows*>& levels, double nodata, StatClass& stats,
                    const RowCallback& beforeRow, const QString& fileName,
                    const BinaryBodySplit& split = {});

// Reads `count` bytes of the body into `target`; `valuesBefore` of the body's `valueCount`
// values of `valueSize` bytes come before them. Fewer bytes than that is a format error that
// names the values the file holds.
void readBodyBytes(QIODevice& device, char* target, std::size_t count, std::int64_t valuesBefore,
                   std::int64_t valueCount, std::size_t valueSize, const QString& fileName);

// Gives the NaN and infinite cells of a row read from a file the value `nodata` (they are no
// data: shown, counted and saved as such) and adds the other cells to `stats`.
void addBodyRow(double* row, int columns, double nodata, StatClass& stats);
