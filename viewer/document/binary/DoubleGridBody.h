#pragma once
#include <QIODevice>
#include <QString>
#include <cstdint>

#include "GridShape.h"
#include "StatClass.h"

// What reading a double grid's body on two cores needs: the file, opened a second time.
struct BinaryBodySplit {
    QString path;                                           // empty: one core
    std::int64_t minimumBodyBytes = std::int64_t(8) << 20;  // shorter bodies use one core
    std::size_t chunkBytes = std::size_t(2) << 20;          // one large page of the level
};

// Reads the body of a plain double grid from `device`, positioned right after the header,
// exactly as readBinaryBody does: NaN and infinite cells become `nodata`, the other cells go
// into `stats` in row order, `beforeRow` is told each row in order, and a body that ends
// early names the values it holds. Returns false, having read nothing, when the body is too
// short to share or the file cannot be opened again.
//
// The body is read in chunks straight into the level, by this thread and a second one, each
// taking the next chunk nobody has taken. This thread takes the statistics of each chunk,
// in order, as soon as it is complete, and reads a chunk itself while the next one in order
// is still being read.
bool readDoubleGridBody(QIODevice& device, const BinaryBodySplit& split, GridRows& level,
                        double nodata, StatClass& stats, const RowCallback& beforeRow,
                        const QString& fileName);
