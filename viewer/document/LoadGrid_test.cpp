#include "LoadGrid.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>

#include "LevelChange.h"
#include "TestGridFiles.h"

namespace {

struct Question {
    QString text;
    QString caption;
};

// Loads `fileName`, answering the plausibility question with `answer` and
// recording the questions asked.
std::vector<Question> loadAsking(GridDocument& doc, const QString& fileName, bool answer) {
    std::vector<Question> asked;
    LoadCallbacks callbacks;
    callbacks.askYesNo = [&](const QString& text, const QString& caption) {
        asked.push_back({text, caption});
        return answer;
    };
    LoadGrid(doc, fileName, NetcdfLevelReader(), callbacks);
    return asked;
}

}  // namespace

TEST(LoadGrid, ImplausibleHeaderAsksAndNoEndsSilently) {
    TestFolder folder;
    const QString half =
        folder.write("half.asc", "ncols 2.5\nnrows 1\nx 0\ny 0\nc 1\nn -9999\n1 2");
    GridDocument doc;
    try {
        loadAsking(doc, half, false);
        ADD_FAILURE() << "answering No must end the load";
    } catch (const GridFormatError& error) {
        EXPECT_EQ(error.kind(), GridFormatError::Kind::BadFileType);
        EXPECT_TRUE(error.silent());
        EXPECT_EQ(error.text(), "Bad file type");
    }
    EXPECT_FALSE(doc.hasValues());
    EXPECT_EQ(doc.header.ncols, 0);
    EXPECT_EQ(doc.header.nodata_value, 0);

    const std::vector<Question> asked = loadAsking(doc, half, true);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text,
              "Attention: the input file \"\n" + half + "\" may not be a grid. Load anyway?");
    EXPECT_EQ(asked[0].caption, "Input file is not a valid grid");
    EXPECT_EQ(doc.Values->columnCount(), 2);  // counts are truncated
    EXPECT_EQ(cells(doc), (std::vector<double>{1, 2}));
}

TEST(LoadGrid, PlausibilityLimits) {
    TestFolder folder;
    GridDocument doc;
    const QByteArray head = "ncols 1\nnrows 1\nx 0\ny 0\nc 1\nn ";
    EXPECT_EQ(loadAsking(doc, folder.write("a", head + "-999999\n1"), true).size(), 1u);
    EXPECT_EQ(loadAsking(doc, folder.write("b", head + "100001\n1"), true).size(), 1u);
    EXPECT_EQ(loadAsking(doc, folder.write("c", head + "-100000\n1"), true).size(), 0u);
    EXPECT_EQ(loadAsking(doc,
                         folder.write("d",
                                      "ncols 3.00000001\nnrows 1\nx 0\ny 0\nc 1\n"
                                      "n -9999\n1 2 3"),
                         true)
                  .size(),
              0u);
}

TEST(LoadGrid, UnrecognisedFileReleasesTheOldGridAndSaysSo) {
    TestFolder folder;
    GridDocument doc;
    loadGrid(doc, folder.write("good.asc", "ncols 1\nnrows 1\nx 0\ny 0\nc 1\nn -9999\n5"));
    doc.Format = GridFileFormat::DoubleGrid;  // whatever the format was before
    try {
        loadGrid(doc, folder.write("upper.asc", "NCOLS 1\nNROWS 1\nx 0\ny 0\nc 1\nn -9999\n5"));
        ADD_FAILURE() << "NCOLS must not be recognised";
    } catch (const GridFormatError& error) {
        EXPECT_EQ(error.kind(), GridFormatError::Kind::Unrecognised);
        EXPECT_FALSE(error.silent());
        EXPECT_EQ(error.text(), "could not recognise file format (ascii, single or double)");
        EXPECT_EQ(error.caption(), "format error");
    }
    EXPECT_FALSE(doc.hasValues());
    EXPECT_EQ(doc.Format, GridFileFormat::Unrecognised);
    EXPECT_EQ(formatName(doc.Format), "not recognized");
    EXPECT_THROW(loadGrid(doc, folder.path("missing.asc")), GridFormatError);
}

TEST(LoadGrid, ReportsProgressAndProcessesMessagesPerRow) {
    TestFolder folder;
    GridDocument doc;
    std::vector<int> percents;
    int messages = 0;
    LoadCallbacks callbacks;
    callbacks.progress = [&](int percent) { percents.push_back(percent); };
    callbacks.processEvents = [&] { ++messages; };
    LoadGrid(doc, folder.write("g.asc", "ncols 1\nnrows 4\nx 0\ny 0\nc 1\nn -9999\n1 2 3 4"),
             NetcdfLevelReader(), callbacks);
    EXPECT_EQ(percents, (std::vector<int>{1, 25, 50, 75}));
    EXPECT_EQ(messages, 4);
    EXPECT_EQ(loadProgressPercent(0, 0), 50);
    EXPECT_EQ(loadProgressPercent(2, 3), 66);
    EXPECT_EQ(loadProgressPercent(500, 4), 99);
}

namespace {

// A netCDF file of 3 columns × 2 rows and three levels: the fake reader
// returns the rows of `level`, values level * 100 + the cell's index in
// column-major order.
struct FakeNetcdf {
    std::vector<int> levelsRead;
    bool fail = false;
    // Fails while writing over the rows it was given, as a broken file read does; the next
    // read succeeds again.
    bool failWhileWriting = false;
    const GridRows* readOver = nullptr;  // the rows the last read wrote over

    NetcdfLevelReader reader() {
        return [this](const QString&, int level, GridHeader& header, int& levelCount,
                      std::unique_ptr<GridRows>& rows) {
            if (fail) throw NetcdfReadError(26, "no data variable");
            if (failWhileWriting && rows) {
                failWhileWriting = false;
                rows->at(0, 0) = -1;
                rows.reset();
                throw NetcdfReadError(-101, "HDF error");
            }
            levelsRead.push_back(level);
            header.ncols = 3;
            header.nrows = 2;
            header.cellsize = 100;
            levelCount = 3;
            readOver = rows.get();
            if (!rows) rows = std::make_unique<GridRows>(2, 3);
            for (int i = 0; i < 6; ++i) rows->at(i % 2, i / 2) = level * 100 + i;
            rows->at(1, 0) = header.nodata_value;
        };
    }
};

}  // namespace

TEST(LoadGrid, NetcdfLevelsComeFromTheReader) {
    TestFolder folder;
    const QString file = folder.write("t.nc", QByteArray("CDF\x01", 4) + QByteArray(60, '\0'));
    FakeNetcdf netcdf;
    GridDocument doc;
    doc.Format = GridFileFormat::SingleGrid;  // left over from an earlier load
    const LoadResult result = LoadGrid(doc, file, netcdf.reader());
    EXPECT_EQ(result.format, GridFileFormat::NetCDF);
    EXPECT_FALSE(result.saveGridAvailable);
    EXPECT_EQ(doc.Format, GridFileFormat::NetCDF);
    EXPECT_TRUE(doc.IsStack);
    EXPECT_EQ(doc.LevelCount, 3);
    EXPECT_TRUE(doc.Levels.empty());
    // Column by column from the west, each column from the north.
    EXPECT_EQ(cells(doc), (std::vector<double>{0, 2, 4, -9999, 3, 5}));
    EXPECT_EQ(doc.statistics.CellCount, 5);

    changeLevel(doc, 2, netcdf.reader());
    EXPECT_EQ(netcdf.levelsRead, (std::vector<int>{0, 2}));
    EXPECT_EQ(doc.shownLevel, 2);
    EXPECT_EQ(doc.Values->at(0, 0), 200);
    EXPECT_EQ(doc.statistics.Sum, 200 + 202 + 203 + 204 + 205);

    netcdf.fail = true;
    try {
        changeLevel(doc, 1, netcdf.reader());
        ADD_FAILURE() << "the reader's error must come through";
    } catch (const GridFormatError& error) {
        EXPECT_EQ(error.kind(), GridFormatError::Kind::NetCDF);
        EXPECT_TRUE(error.text().contains("no data variable"));
    }
    EXPECT_EQ(doc.shownLevel, 2);  // unchanged
    EXPECT_EQ(doc.Values->at(0, 0), 200);

    // A level is read over the shown one's cells: one level in memory, not two.
    netcdf.fail = false;
    const GridRows* shown = doc.Values;
    changeLevel(doc, 1, netcdf.reader());
    EXPECT_EQ(netcdf.readOver, shown);
    EXPECT_EQ(doc.Values, shown);
    EXPECT_EQ(doc.Values->at(0, 0), 100);
    // A read that breaks off while writing them reads the shown level back.
    netcdf.failWhileWriting = true;
    EXPECT_THROW(changeLevel(doc, 2, netcdf.reader()), GridFormatError);
    EXPECT_EQ(doc.shownLevel, 1);
    ASSERT_TRUE(doc.hasValues());
    EXPECT_EQ(cells(doc), (std::vector<double>{100, 102, 104, -9999, 103, 105}));
    EXPECT_EQ(netcdf.levelsRead.back(), 1);
    netcdf.fail = true;
    EXPECT_THROW(LoadGrid(doc, file, netcdf.reader()), GridFormatError);
    EXPECT_FALSE(doc.hasValues());
}

TEST(LoadGrid, AnythingButARegularFileIsRefusedBeforeItIsOpened) {
    TestFolder folder;
    const QString fifo = folder.path("pipe.asc");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(folder.path("folder.asc")));
    // Opening the FIFO for reading would wait for a writer for ever.
    const std::vector<std::pair<QString, QString>> special{
        {fifo, "it is a FIFO"},
        {folder.path("folder.asc"), "it is a folder"},
        {"/dev/zero", "it is a device"}};
    for (const auto& [path, kind] : special) {
        GridDocument doc;
        loadGrid(doc, folder.write("good.asc", "ncols 1\nnrows 1\nx 0\ny 0\nc 1\nn -9999\n5"));
        try {
            loadGrid(doc, path);
            ADD_FAILURE() << path.toStdString() << " must be refused";
        } catch (const GridFormatError& error) {
            EXPECT_EQ(error.kind(), GridFormatError::Kind::Read);
            EXPECT_FALSE(error.silent());
            EXPECT_TRUE(error.text().contains(path)) << error.text().toStdString();
            EXPECT_TRUE(error.text().contains(kind)) << error.text().toStdString();
        }
        EXPECT_FALSE(doc.hasValues());
        EXPECT_EQ(doc.Format, GridFileFormat::Unrecognised);
    }
    // A link to a regular file is a regular file.
    const QString target = folder.write("real.asc", "ncols 1\nnrows 1\nx 0\ny 0\nc 1\nn -9999\n7");
    ASSERT_TRUE(QFile::link(target, folder.path("link.asc")));
    GridDocument doc;
    loadGrid(doc, folder.path("link.asc"));
    EXPECT_EQ(cells(doc), std::vector<double>{7});
}
