#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "BinaryGridFormat.h"
#include "LevelChange.h"
#include "LittleEndian.h"
#include "TestGridFiles.h"
#include "WriteGrid.h"

namespace {

// The twelve header values of a written binary file.
std::vector<double> headerOf(const QByteArray& bytes, BinaryPrecision precision) {
    const GridFileHeader file = readBinaryHeader(bytes.constData(), precision);
    const GridHeader& h = file.header;
    const GridStatistics& s = file.statistics;
    return {h.ncols,     h.nrows,   h.xllcorner, h.yllcorner, h.cellsize, h.nodata_value,
            s.CellCount, s.Minimum, s.Maximum,   s.Sum,       s.Average,  s.StdDeviation};
}

}  // namespace

TEST(BinaryGrid, ReadsDoubleAndSingleGridsAndRecomputesTheStatistics) {
    TestFolder folder;
    // Statistics places hold stale numbers; the loader recomputes them.
    const std::vector<double> header{3, 2, 10, 20, 5, -9999, 99, 99, 99, 99, 99, 99};
    const std::vector<double> body{1.5, -9999, 3, 4, 5, 0.1};
    GridDocument doc;
    LoadResult result =
        loadGrid(doc, folder.write("d.bin", binaryFile(BinaryPrecision::Double, header, body)));
    EXPECT_EQ(result.format, GridFileFormat::DoubleGrid);
    EXPECT_TRUE(result.saveGridAvailable);
    EXPECT_EQ(doc.Format, GridFileFormat::DoubleGrid);
    EXPECT_EQ(formatName(doc.Format), "Grid (double prec.)");
    EXPECT_EQ(cells(doc), body);
    EXPECT_EQ(doc.header.xllcorner, 10);
    EXPECT_EQ(doc.statistics.CellCount, 5);
    EXPECT_DOUBLE_EQ(doc.statistics.Sum, 13.6);

    result =
        loadGrid(doc, folder.write("s.bin", binaryFile(BinaryPrecision::Single, header, body)));
    EXPECT_EQ(result.format, GridFileFormat::SingleGrid);
    EXPECT_EQ(doc.Format, GridFileFormat::SingleGrid);
    EXPECT_EQ(doc.Values->at(1, 2), double(0.1f));
    EXPECT_EQ(doc.statistics.CellCount, 5);
}

TEST(BinaryGrid, TruncatedOrOversizedBodiesAreFormatErrors) {
    TestFolder folder;
    const std::vector<double> header{3, 2, 0, 0, 1, -9999};
    const QByteArray whole = binaryFile(BinaryPrecision::Double, header, {1, 2, 3, 4, 5, 6});
    GridDocument doc;
    loadGrid(doc, folder.write("whole.bin", whole));
    EXPECT_THROW(loadGrid(doc, folder.write("cut.bin", whole.left(whole.size() - 1))),
                 GridFormatError);
    EXPECT_FALSE(doc.hasValues());  // the previous grid is gone, nothing half-read shown
    const QByteArray huge =
        binaryFile(BinaryPrecision::Single, {20000, 20000, 0, 0, 1, -9999}, {1, 2, 3});
    try {
        loadGrid(doc, folder.write("huge.bin", huge));
        ADD_FAILURE() << "a 20000 x 20000 header in a tiny file must be refused";
    } catch (const GridFormatError& error) {
        EXPECT_TRUE(error.text().contains("too short")) << error.text().toStdString();
    }
    // Recognised as double (the nodata place is there) but the header is incomplete.
    EXPECT_THROW(loadGrid(doc, folder.write("short.bin", whole.left(60))), GridFormatError);
    EXPECT_FALSE(doc.hasValues());
}

TEST(BinaryGrid, DoubleStackWithFourInTheLastPlaceHasFiveLevels) {
    TestFolder folder;
    std::vector<double> body;  // 2 × 2 cells, five values each: level * 10 + cell
    for (int cell = 0; cell < 4; ++cell)
        for (int level = 0; level < 5; ++level) body.push_back(level * 10 + cell);
    body[3 * 5 + 0] = -9999;  // level 0 of the last cell is nodata
    GridDocument doc;
    const LoadResult result = loadGrid(
        doc, folder.write("stack.bin", binaryFile(BinaryPrecision::Double,
                                                  {2, 2, 0, 0, 1, -9999, 0, 0, 0, 0, 0, 4}, body)));
    EXPECT_TRUE(doc.IsStack);
    EXPECT_EQ(doc.LevelCount, 5);
    EXPECT_EQ(result.maxLevel, 4);
    EXPECT_FALSE(result.saveGridAvailable);
    EXPECT_TRUE(result.levelControlsEnabled);
    EXPECT_EQ(formatName(doc.Format), "Grid (double prec.)");
    EXPECT_EQ(doc.Levels[3]->at(1, 0), 32);
    // Level 0 is shown, and the statistics describe it.
    EXPECT_EQ(doc.Values, doc.Levels[0].get());
    EXPECT_EQ(doc.statistics.CellCount, 3);
    EXPECT_EQ(doc.statistics.Sum, 0 + 1 + 2);
}

TEST(BinaryGrid, SinglePrecisionSavingRoundsToFloats) {
    TestFolder folder;
    GridDocument doc;
    loadGrid(doc, folder.write("in.asc",
                               "ncols 3\nnrows 1\nx 0\ny 0\nc 1\nn -9999\n"
                               "1.23456789012 -9999 98765.4321"));
    WriteGridAs(folder.path("out.flt"), doc, -9999, GridOutputFormat::Single);
    GridDocument back;
    loadGrid(back, folder.path("out.flt"));
    EXPECT_EQ(back.Format, GridFileFormat::SingleGrid);
    EXPECT_EQ(cells(back),
              (std::vector<double>{double(1.23456789012f), -9999, double(98765.4321f)}));
    EXPECT_NE(back.Values->at(0, 0), 1.23456789012);
}

TEST(BinaryGrid, SavingAStackLevelWritesAPlainGridWithThatLevelsStatistics) {
    TestFolder folder;
    // Three levels of 1 × 2 cells; per cell the values of levels 0, 1, 2.
    GridDocument doc;
    loadGrid(doc, folder.write("s.bin", binaryFile(BinaryPrecision::Single,
                                                   {2, 1, 0, 0, 1, -9999, 0, 0, 0, 0, 0, 2},
                                                   {1, 10, 100, 2, 20, 200})));
    ASSERT_EQ(doc.LevelCount, 3);
    changeLevel(doc, 1, NetcdfLevelReader());
    WriteGrid(folder.path("level1.bin"), doc, -9999);
    const QByteArray written = fileBytes(folder.path("level1.bin"));
    EXPECT_EQ(written.size(), 48 + 2 * 4);
    EXPECT_EQ(headerOf(written, BinaryPrecision::Single),
              (std::vector<double>{2, 1, 0, 0, 1, -9999, 2, 10, 20, 30, 15, std::sqrt(50.0f)}));
    GridDocument back;
    loadGrid(back, folder.path("level1.bin"));
    EXPECT_FALSE(back.IsStack);
    EXPECT_EQ(cells(back), (std::vector<double>{10, 20}));
}

TEST(BinaryGrid, AllNodataGridIsWrittenWithTheEmptySetStatistics) {
    TestFolder folder;
    GridDocument doc;
    loadGrid(doc, folder.write("n.asc", "ncols 2\nnrows 1\nx 0\ny 0\nc 1\nn -9999\n-9999 -9999"));
    EXPECT_EQ(doc.statistics.CellCount, 0);
    WriteGridAs(folder.path("n.bin"), doc, -9999, GridOutputFormat::Double);
    const QByteArray written = fileBytes(folder.path("n.bin"));
    EXPECT_EQ(headerOf(written, BinaryPrecision::Double),
              (std::vector<double>{2, 1, 0, 0, 1, -9999, 0, -9999, -9999, -9999, -9999, -9999}));
    EXPECT_EQ(readLittleEndian<double>(written.constData() + 96), -9999);
}

TEST(BinaryGrid, NanAndInfiniteCellsTakeTheNodataValue) {
    TestFolder folder;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> header{3, 2, 0, 0, 1, -9999};
    const std::vector<double> body{1, nan, 3, -inf, inf, 6};
    for (const BinaryPrecision precision : {BinaryPrecision::Double, BinaryPrecision::Single}) {
        GridDocument doc;
        loadGrid(doc, folder.write("nan.bin", binaryFile(precision, header, body)));
        // Shown and counted as nodata ...
        EXPECT_EQ(cells(doc), (std::vector<double>{1, -9999, 3, -9999, -9999, 6}));
        EXPECT_EQ(doc.statistics.CellCount, 3);
        EXPECT_EQ(doc.statistics.Sum, 10);
        EXPECT_EQ(doc.statistics.Maximum, 6);
        EXPECT_TRUE(std::isfinite(doc.statistics.StdDeviation));
        // ... and saved as nodata, here with another nodata value.
        WriteGridAs(folder.path("out.asc"), doc, -1, GridOutputFormat::Ascii);
        EXPECT_TRUE(fileBytes(folder.path("out.asc")).endsWith("1\t-1\t3\t\r\n-1\t-1\t6\t\r\n"));
    }
    // Every level of a stack, not only the shown one.
    GridDocument stack;
    loadGrid(stack, folder.write("s.bin", binaryFile(BinaryPrecision::Double,
                                                     {2, 1, 0, 0, 1, -9999, 0, 0, 0, 0, 0, 1},
                                                     {nan, 1, 2, -inf})));
    EXPECT_EQ(cells(stack), (std::vector<double>{-9999, 2}));
    EXPECT_EQ(stack.statistics.CellCount, 1);
    changeLevel(stack, 1, NetcdfLevelReader());
    EXPECT_EQ(cells(stack), (std::vector<double>{1, -9999}));
    EXPECT_EQ(stack.statistics.Sum, 1);
}
