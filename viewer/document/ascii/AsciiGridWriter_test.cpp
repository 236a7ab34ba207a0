#include "AsciiGridWriter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <cmath>
#include <cstdio>
#include <random>

#include "TestGridFiles.h"

namespace {

QByteArray asciiText(const GridHeader& header, const GridRows& values, double nodataToWrite) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    OutputBuffer out(buffer, 256);  // small: many flushes
    writeAsciiGrid(out, header, values, nodataToWrite);
    out.flush();
    return bytes;
}

GridRows rowsOf(int rows, int columns, std::initializer_list<double> values) {
    GridRows grid(rows, columns);
    std::copy(values.begin(), values.end(), grid.data());
    return grid;
}

}  // namespace

TEST(AsciiGridWriter, WritesTheHeaderAndBodyToTheByte) {
    const GridHeader header{2, 2, 1234567.891234, -0.5, 25, -9999};
    EXPECT_EQ(asciiText(header, rowsOf(2, 2, {1, 2, 3, 4}), -9999),
              QByteArray("ncols        2\r\n"
                         "nrows        2\r\n"
                         "xllcorner    1234567.891\r\n"
                         "yllcorner    -0.5\r\n"
                         "cellsize     25\r\n"
                         "nodata_value -9999\r\n"
                         "           1\t2\t\r\n"
                         "3\t4\t\r\n"));
}

TEST(AsciiGridWriter, FormatsLikePrintfG) {
    const QByteArray small = asciiText({1, 1, 0, 0, 1, -9999}, rowsOf(1, 1, {0.000012345}), -9999);
    EXPECT_TRUE(small.endsWith("\r\n  1.2345e-05\t\r\n")) << small.toStdString();
    // ncols and nrows have six significant digits, so a million columns read "1e+06";
    // a count that six digits would change keeps all its digits, so it reads back true.
    const QByteArray wide = asciiText({1e6, 1234567, 0, 0, 1, -9999}, rowsOf(1, 1, {5}), -9999);
    EXPECT_TRUE(wide.startsWith("ncols        1e+06\r\nnrows        1234567\r\n"));
    // Every body value is "%.10g", whatever its size.
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-12, 14);
    GridRows many(1, 2000);
    QByteArray expected;
    for (int c = 0; c < 2000; ++c) {
        many.at(0, c) = mantissa(random) * std::pow(10.0, exponent(random));
        char text[40];
        std::snprintf(text, sizeof text, c == 0 ? "%12.10g\t" : "%.10g\t", many.at(0, c));
        expected += text;
    }
    const QByteArray body = asciiText({2000, 1, 0, 0, 1, -9999}, many, -9999);
    EXPECT_EQ(body.mid(body.indexOf("nodata_value -9999\r\n") + 20), expected + "\r\n");
}

TEST(AsciiGridWriter, ReplacesNodataInTheHeaderAndEveryCell) {
    const QByteArray text = asciiText({3, 1, 0, 0, 1, -9999}, rowsOf(1, 3, {-9999, 7, -9999}), 0);
    EXPECT_TRUE(text.contains("nodata_value 0\r\n"));
    EXPECT_TRUE(text.endsWith("           0\t7\t0\t\r\n")) << text.toStdString();
}
