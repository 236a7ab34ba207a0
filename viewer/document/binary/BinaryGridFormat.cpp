#include "BinaryGridFormat.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

#include "DoubleGridBody.h"
#include "GridFormatError.h"
#include "LittleEndian.h"

void readBodyBytes(QIODevice& device, char* target, std::size_t count, std::int64_t valuesBefore,
                   std::int64_t valueCount, std::size_t valueSize, const QString& fileName) {
    std::size_t got = 0;
    while (got < count) {
        const qint64 read = device.read(target + got, qint64(count - got));
        if (read < 0)
            throw GridFormatError(
                GridFormatError::Kind::Read,
                QStringLiteral("Could not read \"%1\": %2").arg(fileName, device.errorString()));
        if (read == 0) {
            const std::int64_t values = valuesBefore + std::int64_t(got / valueSize);
            throw GridFormatError(GridFormatError::Kind::Format,
                                  QStringLiteral("\"%1\" ends too early: it holds %2 of the %3 "
                                                 "values its header promises.")
                                      .arg(fileName)
                                      .arg(values)
                                      .arg(valueCount));
        }
        got += static_cast<std::size_t>(read);
    }
}

void addBodyRow(double* row, int columns, double nodata, StatClass& stats) {
    // A copy the row cannot alias stays in registers: the stores into the row would otherwise
    // make every sum go through memory.
    StatClass local = stats;
    for (int c = 0; c < columns; ++c) {
        double value = row[c];
        if (!std::isfinite(value)) row[c] = value = nodata;  // rare: store only then
        if (value != nodata) local.Add(value);
    }
    stats = local;
}

namespace {

// Bytes read from the file at once: large enough for memory speed, small
// enough to stay in the cache while the statistics are taken.
constexpr std::size_t chunkBytes = std::size_t(1) << 20;

// NaN and infinite cells are no data: they take the grid's nodata value, so
// they are shown, counted and saved as such.
inline double dataOrNodata(double value, double nodata) {
    return std::isfinite(value) ? value : nodata;
}

template <typename T>
void readBody(QIODevice& device, const std::vector<GridRows*>& levels, double nodata,
              StatClass& stats, const RowCallback& beforeRow, const QString& fileName) {
    const int rows = levels[0]->rowCount();
    const int columns = levels[0]->columnCount();
    const std::size_t levelCount = levels.size();
    const std::size_t rowValues = std::size_t(columns) * levelCount;
    const std::int64_t valueCount = std::int64_t(rows) * std::int64_t(rowValues);
    const std::size_t chunkRows =
        rowValues == 0 ? std::size_t(std::max(rows, 1))
                       : std::max<std::size_t>(1, chunkBytes / (rowValues * sizeof(T)));
    // Doubles of a plain grid go straight into the level; everything else
    // passes through a buffer.
    const bool direct = std::is_same_v<T, double> && levelCount == 1;
    std::vector<T> buffer(direct ? 0 : chunkRows * rowValues);

    for (int first = 0; first < rows; first += int(chunkRows)) {
        const int count = std::min(int(chunkRows), rows - first);
        T* target = direct ? reinterpret_cast<T*>(levels[0]->row(first)) : buffer.data();
        const std::size_t values = std::size_t(count) * rowValues;
        readBodyBytes(device, reinterpret_cast<char*>(target), values * sizeof(T),
                      std::int64_t(first) * std::int64_t(rowValues), valueCount, sizeof(T),
                      fileName);
        swapToLittleEndian(target, values);
        for (int r = first; r < first + count; ++r) {
            if (beforeRow) beforeRow(r);
            double* row = levels[0]->row(r);
            const T* source = target + std::size_t(r - first) * rowValues;
            if (levelCount == 1) {
                if (!direct)
                    for (int c = 0; c < columns; ++c) row[c] = double(source[c]);
                addBodyRow(row, columns, nodata, stats);
                continue;
            }
            for (int c = 0; c < columns; ++c) {
                const T* cell = source + std::size_t(c) * levelCount;
                for (std::size_t k = 0; k < levelCount; ++k)
                    levels[k]->row(r)[c] = dataOrNodata(double(cell[k]), nodata);
                if (row[c] != nodata) stats.Add(row[c]);
            }
        }
    }
}

}  // namespace

GridFileHeader readBinaryHeader(const char* bytes, BinaryPrecision precision) {
    double values[12];
    for (int i = 0; i < 12; ++i)
        values[i] = precision == BinaryPrecision::Double ? readLittleEndian<double>(bytes + 8 * i)
                                                         : readLittleEndian<float>(bytes + 4 * i);
    GridFileHeader file;
    file.header = {values[0], values[1], values[2], values[3], values[4], values[5]};
    file.statistics = {values[6], values[7], values[8], values[9], values[10], values[11]};
    return file;
}

void writeBinaryHeader(const GridHeader& header, double nodataToWrite,
                       const GridStatistics& statistics, BinaryPrecision precision, char* bytes) {
    const double values[12] = {header.ncols,         header.nrows,       header.xllcorner,
                               header.yllcorner,     header.cellsize,    nodataToWrite,
                               statistics.CellCount, statistics.Minimum, statistics.Maximum,
                               statistics.Sum,       statistics.Average, statistics.StdDeviation};
    for (int i = 0; i < 12; ++i) {
        if (precision == BinaryPrecision::Double)
            writeLittleEndian<double>(values[i], bytes + 8 * i);
        else
            writeLittleEndian<float>(static_cast<float>(values[i]), bytes + 4 * i);
    }
}

void readBinaryBody(QIODevice& device, BinaryPrecision precision,
                    const std::vector<GridRows*>& levels, double nodata, StatClass& stats,
                    const RowCallback& beforeRow, const QString& fileName,
                    const BinaryBodySplit& split) {
    if (levels.empty()) return;
    if (precision == BinaryPrecision::Double && levels.size() == 1 &&
        readDoubleGridBody(device, split, *levels[0], nodata, stats, beforeRow, fileName))
        return;
    if (precision == BinaryPrecision::Double)
        readBody<double>(device, levels, nodata, stats, beforeRow, fileName);
    else
        readBody<float>(device, levels, nodata, stats, beforeRow, fileName);
}
