// The body of a plain double grid read in chunks on two cores against the same body read on
// one: values, statistics, progress and the message of a body that ends early.
#include "DoubleGridBody.h"

#include <gtest/gtest.h>

#include <QFile>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "BinaryGridFormat.h"
#include "GridFormatError.h"
#include "TestGridFiles.h"

namespace {

struct BodyRead {
    std::vector<double> cells;
    GridStatistics statistics;
    std::vector<int> announcedRows;
    QString error;
};

// Reads the body of the double grid `bytes` (rows × columns cells) through readBinaryBody,
// on two cores in chunks of `chunkBytes` or on one.
BodyRead readBody(const QByteArray& bytes, int rows, int columns, bool twoCores,
                  std::size_t chunkBytes) {
    static const TestFolder folder;  // one for all reads: they are many
    const QString path = folder.write("grid.bin", bytes);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    EXPECT_TRUE(file.seek(96));
    BodyRead read;
    GridRows level(rows, columns, 0.0);
    StatClass stats;
    const BinaryBodySplit split{twoCores ? path : QString(), 0, chunkBytes};
    try {
        readBinaryBody(
            file, BinaryPrecision::Double, {&level}, -9999, stats,
            [&](int row) { read.announcedRows.push_back(row); }, "grid.bin", split);
        read.cells.assign(level.data(), level.data() + level.cellCount());
        read.statistics = stats.results();
    } catch (const GridFormatError& error) {
        read.error = error.text();
    }
    return read;
}

std::vector<double> randomCells(int count) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> value(-1e6, 1e6);
    std::vector<double> cells;
    for (int i = 0; i < count; ++i) {
        switch (i % 13) {
            case 3:
                cells.push_back(-9999);
                break;
            case 7:
                cells.push_back(std::numeric_limits<double>::quiet_NaN());
                break;
            case 11:
                cells.push_back(i % 2 ? std::numeric_limits<double>::infinity() : -0.0);
                break;
            default:
                cells.push_back(value(random));
        }
    }
    return cells;
}

}  // namespace

TEST(DoubleGridBody, ChunksOnTwoCoresGiveTheValuesStatisticsAndProgressOfOneCore) {
    struct Shape {
        int rows, columns;
        std::size_t chunkBytes;
    };
    // Chunks that cut rows, chunks of several rows, one chunk, rows longer than a chunk.
    for (const Shape& shape : {Shape{9, 7, 24}, Shape{40, 5, 4096}, Shape{3, 3, 1 << 20},
                               Shape{2, 50, 64}, Shape{31, 1, 8}}) {
        const QByteArray bytes = binaryFile(
            BinaryPrecision::Double, {double(shape.columns), double(shape.rows), 0, 0, 1, -9999},
            randomCells(shape.rows * shape.columns));
        const BodyRead one = readBody(bytes, shape.rows, shape.columns, false, shape.chunkBytes);
        const BodyRead two = readBody(bytes, shape.rows, shape.columns, true, shape.chunkBytes);
        ASSERT_TRUE(one.error.isEmpty() && two.error.isEmpty()) << two.error.toStdString();
        EXPECT_EQ(std::memcmp(two.cells.data(), one.cells.data(), one.cells.size() * 8), 0);
        EXPECT_EQ(std::memcmp(&two.statistics, &one.statistics, sizeof one.statistics), 0);
        EXPECT_EQ(two.announcedRows, one.announcedRows);
        EXPECT_FALSE(std::isnan(two.statistics.Sum));
    }
}

TEST(DoubleGridBody, BodiesThatEndEarlyNameTheValuesTheyHold) {
    const int rows = 6;
    const int columns = 4;
    const QByteArray whole = binaryFile(
        BinaryPrecision::Double, {double(columns), double(rows), 0, 0, 1, -9999}, randomCells(24));
    for (qsizetype length = 96; length < whole.size(); length += 3) {
        const BodyRead one = readBody(whole.left(length), rows, columns, false, 16);
        const BodyRead two = readBody(whole.left(length), rows, columns, true, 16);
        EXPECT_TRUE(one.error.contains("ends too early")) << one.error.toStdString();
        EXPECT_EQ(two.error, one.error);
    }
}
