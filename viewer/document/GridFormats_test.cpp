#include <gtest/gtest.h>

#include <cstring>

#include "GridFormat.h"
#include "GridRecognition.h"
#include "LevelChange.h"
#include "LittleEndian.h"
#include "TestGridFiles.h"
#include "WriteGrid.h"

namespace {

// 96 leading bytes that both binary formats claim: -9999 as the double at 40 and as the
// float at 20, after `start`.
QByteArray claimedByBothBinaryFormats(const QByteArray& start) {
    QByteArray bytes(96, '\0');
    writeLittleEndian<double>(-9999.0, bytes.data() + 40);
    writeLittleEndian<float>(-9999.0f, bytes.data() + 20);
    std::memcpy(bytes.data(), start.constData(), std::size_t(start.size()));
    return bytes;
}

int claimants(const QByteArray& bytes) {
    int count = 0;
    for (const GridFileFormat& format : gridFormats())
        count += format->recognises(std::string_view(bytes.constData(), bytes.size()));
    return count;
}

GridFileFormat recognise(const QByteArray& bytes) {
    return RecogniseGridFormat(bytes.constData(), std::size_t(bytes.size()));
}

// Claims every file; its levels hold the level number in each of their 2 × 1 cells.
class AnyFileFormat final : public GridFormat {
public:
    QString name() const override { return QStringLiteral("Any file"); }
    bool recognises(std::string_view) const override { return true; }
    void load(const GridLoad& load) const override {
        load.doc.LevelCount = 3;
        readLevel(load.doc, 0, load.netcdf);
        load.doc.IsStack = true;
    }
    bool readsLevels() const override { return true; }
    void readLevel(GridDocument& doc, int level, const NetcdfLevelReader&) const override {
        doc.header = GridHeader{2, 1, 0, 0, 1, -9999};
        auto rows = allocateLevels(GridShape{1, 2, 1});
        rows[0]->at(0, 0) = rows[0]->at(0, 1) = level;
        doc.setOwnValues(std::move(rows[0]));
        doc.shownLevel = level;
    }
};

}  // namespace

TEST(GridFormats, AFileSeveralFormatsClaimGoesToTheEarliest) {
    const struct {
        QByteArray start;
        GridFileFormat expected;
    } cases[] = {
        {"CDF\x01", GridFileFormat::NetCDF},   {"\x89HDF\r", GridFileFormat::NetCDF},
        {"stack", GridFileFormat::AsciiStack}, {"ncols", GridFileFormat::AsciiGrid},
        {"", GridFileFormat::DoubleGrid},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start.toStdString());
        const QByteArray bytes = claimedByBothBinaryFormats(c.start);
        EXPECT_GE(claimants(bytes), 2);
        EXPECT_EQ(recognise(bytes), c.expected);
        EXPECT_EQ(formatName(recognise(bytes)), formatName(c.expected));
    }
}

TEST(GridFormats, AnAddedFormatIsAskedOnlyAboutFilesNoOtherRecognises) {
    TestFolder folder;
    const QString other = folder.write("other.bin", "neither text nor a binary grid");
    const QString ascii = folder.write("g.asc", "ncols 1\nnrows 1\nx 0\ny 0\nc 1\nn -9999\n5");
    const QString binary =
        folder.write("g.flt", binaryFile(BinaryPrecision::Single, {1, 1, 0, 0, 1, -9999}, {4}));
    GridDocument doc;
    EXPECT_THROW(loadGrid(doc, other), GridFormatError);

    const AnyFileFormat anyFile;
    {
        const GridFormatRegistration added{GridFileFormat(anyFile)};
        const LoadResult result = loadGrid(doc, other);
        EXPECT_EQ(doc.Format, GridFileFormat(anyFile));
        EXPECT_EQ(formatName(doc.Format), "Any file");
        EXPECT_TRUE(result.levelControlsEnabled);
        EXPECT_FALSE(result.saveGridAvailable);
        EXPECT_EQ(result.maxLevel, 2);
        EXPECT_EQ(savedFormatOf(doc), GridOutputFormat::Ascii);
        // The level change reads the level through the format.
        changeLevel(doc, 2, NetcdfLevelReader());
        EXPECT_EQ(cells(doc), (std::vector<double>{2, 2}));
        EXPECT_EQ(doc.statistics.Sum, 4);

        loadGrid(doc, ascii);
        EXPECT_EQ(doc.Format, GridFileFormat::AsciiGrid);
        loadGrid(doc, binary);
        EXPECT_EQ(doc.Format, GridFileFormat::SingleGrid);
    }
    // Gone with its registration.
    try {
        loadGrid(doc, other);
        ADD_FAILURE() << "the file must not be recognised";
    } catch (const GridFormatError& error) {
        EXPECT_EQ(error.kind(), GridFormatError::Kind::Unrecognised);
    }
    EXPECT_EQ(doc.Format, GridFileFormat::Unrecognised);
}
