#include "WriteGrid.h"

#include <gtest/gtest.h>

#include <QDir>

#include "FileSizeLimit.h"
#include "GridRecognition.h"
#include "LevelChange.h"
#include "TestGridFiles.h"

namespace {

GridFileFormat formatOfFile(const QString& fileName) {
    const QByteArray bytes = fileBytes(fileName).left(96);
    return RecogniseGridFormat(bytes.constData(), std::size_t(bytes.size()));
}

}  // namespace

TEST(WriteGrid, WritesTheFormatTheGridWasLoadedFrom) {
    TestFolder folder;
    GridDocument doc;
    loadGrid(doc, folder.write("d.bin", binaryFile(BinaryPrecision::Double, {2, 1, 0, 0, 1, -9999},
                                                   {1, 2})));
    WriteGrid(folder.path("typed.asc"), doc, -9999);  // the name does not matter
    EXPECT_EQ(formatOfFile(folder.path("typed.asc")), GridFileFormat::DoubleGrid);

    loadGrid(doc, folder.write("s.stk",
                               "stack 1\nn 1\nx 0\ny 0\nc 1\nn -9999\n"
                               "a 0\nb 0\nc 0\nd 0\ne 0\nf 1\n4 5"));
    changeLevel(doc, 1, NetcdfLevelReader());
    WriteGrid(folder.path("level.grd"), doc, -9999);
    EXPECT_EQ(formatOfFile(folder.path("level.grd")), GridFileFormat::AsciiGrid);
    EXPECT_TRUE(fileBytes(folder.path("level.grd")).endsWith("           5\t\r\n"));
}

TEST(WriteGrid, NodataReplacementLeavesTheDocumentAlone) {
    TestFolder folder;
    GridDocument doc;
    loadGrid(doc, folder.write("g.asc", "ncols 2\nnrows 1\nx 0\ny 0\nc 1\nn -9999\n-9999 3"));
    doc.Modified = true;
    WriteGrid(folder.path("out.asc"), doc, -1);
    EXPECT_EQ(fileBytes(folder.path("out.asc")),
              "ncols        2\r\nnrows        1\r\nxllcorner    0\r\nyllcorner    0\r\n"
              "cellsize     1\r\nnodata_value -1\r\n          -1\t3\t\r\n");
    EXPECT_EQ(doc.header.nodata_value, -9999);
    EXPECT_EQ(doc.Values->at(0, 0), -9999);
    EXPECT_TRUE(doc.Modified);
}

TEST(WriteGrid, FailureIsReportedAndKeepsTheOldFile) {
    TestFolder folder;
    GridDocument doc;
    QByteArray body;
    for (int i = 0; i < 40000; ++i) body += "123.456 ";
    loadGrid(doc, folder.write("big.asc", "ncols 200\nnrows 200\nx 0\ny 0\nc 1\nn -9999\n" + body));
    const QString target = folder.write("target.bin", "the old contents");
    try {
        FileSizeLimit limit(100000);  // the grid needs 320096 bytes
        WriteGridAs(target, doc, -9999, GridOutputFormat::Double);
        ADD_FAILURE() << "a write beyond the limit must fail";
    } catch (const GridFormatError& error) {
        EXPECT_EQ(error.kind(), GridFormatError::Kind::Write);
        EXPECT_TRUE(error.text().contains(target)) << error.text().toStdString();
        // The system's reason, not "Unknown error".
        EXPECT_TRUE(error.text().contains(FileSizeLimit::reason())) << error.text().toStdString();
    }
    EXPECT_EQ(fileBytes(target), "the old contents");
    // No temporary file is left behind.
    EXPECT_EQ(QDir(folder.path("")).entryList(QDir::Files).size(), 2);

    // A file smaller than the save file's own buffer: its one write fails only when the file is
    // committed, which must not pass as success.
    GridDocument small;
    loadGrid(small, folder.write("small.asc", "ncols 40\nnrows 40\nx 0\ny 0\nc 1\nn -9999\n" +
                                                  body.left(40 * 40 * 8)));
    const QString smallTarget = folder.write("small_target.asc", "the old contents");
    try {
        FileSizeLimit limit(2048);  // the grid needs about 13 000 bytes
        WriteGrid(smallTarget, small, -9999);
        ADD_FAILURE() << "a write beyond the limit must fail";
    } catch (const GridFormatError& error) {
        EXPECT_TRUE(error.text().contains(FileSizeLimit::reason())) << error.text().toStdString();
    }
    EXPECT_EQ(fileBytes(smallTarget), "the old contents");

    EXPECT_THROW(WriteGrid(folder.path("no/such/folder/x.asc"), doc, -9999), GridFormatError);
    GridDocument empty;
    EXPECT_THROW(WriteGrid(folder.path("empty.asc"), empty, -9999), GridFormatError);
    EXPECT_FALSE(QFile::exists(folder.path("empty.asc")));
}
