#include "AsciiGridWriter.h"

#include <charconv>
#include <string_view>

namespace {

void headerLine(OutputBuffer& out, std::string_view keyword, double value, int precision) {
    out.append(keyword);
    out.appendGeneral(value, precision);
    out.append("\r\n");
}

// The first body value: the stream's field width of 12 applies to it alone.
void appendRightAligned(OutputBuffer& out, double value) {
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 10);
    const auto length = static_cast<std::size_t>(result.ptr - text);
    for (std::size_t i = length; i < 12; ++i) out.append(' ');
    out.append(std::string_view(text, length));
}

// The grid's counts are written with six significant digits ("1e+06" for a
// million columns); a count that six digits would change gets ten, so that the
// file reads back with its true size.
int countPrecision(double count) {
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, count, std::chars_format::general, 6);
    double back = 0;
    std::from_chars(text, written.ptr, back);
    return back == count ? 6 : 10;
}

}  // namespace

void writeAsciiHeader(OutputBuffer& out, const GridHeader& header, double nodataToWrite) {
    headerLine(out, "ncols        ", header.ncols, countPrecision(header.ncols));
    headerLine(out, "nrows        ", header.nrows, countPrecision(header.nrows));
    headerLine(out, "xllcorner    ", header.xllcorner, 10);
    headerLine(out, "yllcorner    ", header.yllcorner, 10);
    headerLine(out, "cellsize     ", header.cellsize, 10);
    headerLine(out, "nodata_value ", nodataToWrite, 10);
}

void writeAsciiBody(OutputBuffer& out, const GridHeader& header, const GridRows& values,
                    double nodataToWrite) {
    const double nodata = header.nodata_value;
    bool first = true;
    for (int r = 0; r < values.rowCount(); ++r) {
        const double* row = values.row(r);
        for (int c = 0; c < values.columnCount(); ++c) {
            const double value = row[c] == nodata ? nodataToWrite : row[c];
            if (first) {
                appendRightAligned(out, value);
                first = false;
            } else {
                out.appendGeneral(value, 10);
            }
            out.append('\t');
        }
        out.append("\r\n");
    }
}

void writeAsciiGrid(OutputBuffer& out, const GridHeader& header, const GridRows& values,
                    double nodataToWrite) {
    writeAsciiHeader(out, header, nodataToWrite);
    writeAsciiBody(out, header, values, nodataToWrite);
}
