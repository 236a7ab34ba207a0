#include "BinaryGridWriter.h"

#include <string_view>
#include <vector>

#include "LittleEndian.h"

namespace {

template <typename T>
void writeRows(OutputBuffer& out, const GridRows& values, double nodata, double nodataToWrite) {
    std::vector<T> row(static_cast<std::size_t>(values.columnCount()));
    for (int r = 0; r < values.rowCount(); ++r) {
        const double* source = values.row(r);
        for (std::size_t c = 0; c < row.size(); ++c)
            row[c] = static_cast<T>(source[c] == nodata ? nodataToWrite : source[c]);
        swapToLittleEndian(row.data(), row.size());
        out.append(
            std::string_view(reinterpret_cast<const char*>(row.data()), row.size() * sizeof(T)));
    }
}

}  // namespace

void appendBinaryHeader(OutputBuffer& out, const GridHeader& header,
                        const GridStatistics& statistics, double nodataToWrite,
                        BinaryPrecision precision) {
    char bytes[binaryHeaderBytes(BinaryPrecision::Double)];
    writeBinaryHeader(header, nodataToWrite, statistics, precision, bytes);
    out.append(std::string_view(bytes, binaryHeaderBytes(precision)));
}

void appendBinaryBody(OutputBuffer& out, const GridHeader& header, const GridRows& values,
                      double nodataToWrite, BinaryPrecision precision) {
    if (precision == BinaryPrecision::Double)
        writeRows<double>(out, values, header.nodata_value, nodataToWrite);
    else
        writeRows<float>(out, values, header.nodata_value, nodataToWrite);
}
