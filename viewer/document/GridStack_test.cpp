#include <gtest/gtest.h>

#include "LevelChange.h"
#include "TestGridFiles.h"

namespace {

// A 2 × 2 ASCII stack whose twelfth header number is `last`; cell c of level k
// holds k * 10 + c + 1.
QByteArray asciiStack(int levels, const char* last) {
    QByteArray text =
        "stack 2\nnrows 2\nxll 0\nyll 0\ncs 1\nnodata -9999\n"
        "a 0\nb 0\nc 0\nd 0\ne 0\nlevels ";
    text += last;
    text += "\n";
    for (int cell = 0; cell < 4; ++cell)
        for (int level = 0; level < levels; ++level)
            text += QByteArray::number(level * 10 + cell + 1) + " ";
    return text;
}

}  // namespace

TEST(GridStack, AsciiStackWithTwoInTheTwelfthPlaceHasThreeLevels) {
    TestFolder folder;
    GridDocument doc;
    const LoadResult result = loadGrid(doc, folder.write("s.stk", asciiStack(3, "2")));
    EXPECT_EQ(result.format, GridFileFormat::AsciiStack);
    EXPECT_EQ(formatName(doc.Format), "Stack (ASCII)");
    EXPECT_EQ(result.maxLevel, 2);
    EXPECT_FALSE(result.saveGridAvailable);
    ASSERT_EQ(doc.LevelCount, 3);
    ASSERT_EQ(doc.Levels.size(), 3u);
    EXPECT_EQ(cells(doc), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(doc.Levels[2]->at(1, 1), 24);
    // Statistics of level 0, the shown level, right after loading.
    EXPECT_EQ(doc.statistics.Sum, 10);
    EXPECT_EQ(doc.statistics.Maximum, 4);

    doc.Modified = true;
    changeLevel(doc, 2, NetcdfLevelReader());
    EXPECT_EQ(doc.shownLevel, 2);
    EXPECT_EQ(doc.Values, doc.Levels[2].get());
    EXPECT_EQ(doc.statistics.Sum, 21 + 22 + 23 + 24);
    EXPECT_EQ(doc.statistics.Minimum, 21);
    EXPECT_FALSE(doc.Modified);
    changeLevel(doc, 9, NetcdfLevelReader());  // beyond the last level: stays on the last
    EXPECT_EQ(doc.shownLevel, 2);
}

TEST(GridStack, OneLevelStackReadsNoLevelThatDoesNotExist) {
    TestFolder folder;
    GridDocument doc;
    const LoadResult result = loadGrid(doc, folder.write("one.stk", asciiStack(1, "0")));
    EXPECT_TRUE(doc.IsStack);
    EXPECT_EQ(doc.LevelCount, 1);
    EXPECT_EQ(result.maxLevel, 0);
    EXPECT_EQ(cells(doc), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(doc.statistics.CellCount, 4);
    EXPECT_EQ(doc.statistics.Sum, 10);
}

TEST(GridStack, StackBodiesAreCheckedAgainstTheirLevelCount) {
    TestFolder folder;
    GridDocument doc;
    // Three levels promised, two delivered per cell.
    EXPECT_THROW(loadGrid(doc, folder.write("short.stk", asciiStack(2, "2"))), GridFormatError);
    EXPECT_FALSE(doc.hasValues());
    EXPECT_TRUE(doc.Levels.empty());
    EXPECT_THROW(loadGrid(doc, folder.write("neg.stk", asciiStack(1, "-3"))), GridFormatError);
    EXPECT_THROW(loadGrid(doc, folder.write("big.stk", asciiStack(1, "1e12"))), GridFormatError);
}

namespace {

// The text of the format error that loading `fileName` raises, or "" without one.
QString formatErrorOf(const QString& fileName) {
    GridDocument doc;
    try {
        loadGrid(doc, fileName);
    } catch (const GridFormatError& error) {
        EXPECT_EQ(error.kind(), GridFormatError::Kind::Format);
        EXPECT_FALSE(doc.hasValues());
        EXPECT_TRUE(doc.Levels.empty());
        return error.text();
    }
    return {};
}

QByteArray asciiStackHeader(const char* columns, const char* last) {
    return QByteArray("stack ") + columns + "\nnrows 1\nx 0\ny 0\nc 1\nn -9999\n" +
           "a 0\nb 0\nc 0\nd 0\ne 0\nlevels " + last + "\n1 2 3\n";
}

}  // namespace

// Each level is an allocation of its own: a tiny header must not make the
// loader allocate one per level before it knows the file can hold them.
TEST(GridStack, LevelCountsAreCheckedBeforeAnyLevelIsAllocated) {
    TestFolder folder;
    // No cells, so cells × levels is 0 whatever the level count.
    EXPECT_TRUE(formatErrorOf(folder.write("a0.stk", asciiStackHeader("0", "1073741823")))
                    .contains("without cells"));
    const std::vector<double> noColumns{0, 5, 0, 0, 1, -9999, 0, 0, 0, 0, 0, 1073741823};
    EXPECT_TRUE(
        formatErrorOf(folder.write("d0.bin", binaryFile(BinaryPrecision::Double, noColumns, {})))
            .contains("without cells"));
    // One cell: beyond the limit of levels, or more levels than the file holds.
    EXPECT_TRUE(formatErrorOf(folder.write("a1.stk", asciiStackHeader("1", "1073741823")))
                    .contains("impossible number of levels"));
    const std::vector<double> oneCell{1, 1, 0, 0, 1, -9999, 0, 0, 0, 0, 0, 1e9};
    EXPECT_TRUE(
        formatErrorOf(folder.write("d1.bin", binaryFile(BinaryPrecision::Double, oneCell, {1, 2})))
            .contains("impossible number of levels"));
    EXPECT_TRUE(formatErrorOf(folder.write("a2.stk", asciiStackHeader("1", "99999")))
                    .contains("too short"));
    std::vector<double> manyLevels = oneCell;
    manyLevels[11] = 999;
    EXPECT_TRUE(formatErrorOf(folder.write("s1.bin", binaryFile(BinaryPrecision::Single, manyLevels,
                                                                {1, 2, 3})))
                    .contains("too short"));
}
