// Rasters read through GDAL: GeoTIFFs written through GDAL here, loaded as the program loads
// them, with GDAL's reader standing in for the raster module.
#include <gdal_priv.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "GdalRasterSource.h"
#include "LevelStatistics.h"
#include "LoadGrid.h"
#include "RasterReader.h"
#include "TestGridFiles.h"
#include "WriteGrid.h"

namespace {

struct TiffSpec {
    int columns = 3;
    int rows = 2;
    int bands = 1;
    GDALDataType type = GDT_Float32;
    std::array<double, 6> transform{1000, 10, 0, 5020, 0, -10};
    bool georeferenced = true;
    std::optional<double> nodata;
    // Rows from the north, band after band.
    std::vector<double> values;
    const char* blockRows = nullptr;  // rows per strip
};

QString writeTiff(const QString& path, const TiffSpec& spec) {
    GDALAllRegister();
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName("GTiff");
    CPLStringList options;
    if (spec.blockRows) options.SetNameValue("BLOCKYSIZE", spec.blockRows);
    GDALDataset* dataset = driver->Create(path.toUtf8().constData(), spec.columns, spec.rows,
                                          spec.bands, spec.type, options.List());
    if (!dataset) return {};
    if (spec.georeferenced) {
        std::array<double, 6> t = spec.transform;
        dataset->SetGeoTransform(t.data());
    }
    const std::size_t cells = std::size_t(spec.columns) * spec.rows;
    for (int b = 1; b <= spec.bands; ++b) {
        GDALRasterBand* band = dataset->GetRasterBand(b);
        if (spec.nodata) band->SetNoDataValue(*spec.nodata);
        std::vector<double> values(spec.values.begin() + (b - 1) * cells,
                                   spec.values.begin() + b * cells);
        if (band->RasterIO(GF_Write, 0, 0, spec.columns, spec.rows, values.data(), spec.columns,
                           spec.rows, GDT_Float64, 0, 0, nullptr) != CE_None)
            return {};
    }
    GDALClose(GDALDataset::ToHandle(dataset));
    return path;
}

GridFormatError loadError(GridDocument& doc, const QString& entry) {
    try {
        LoadGrid(doc, entry, NetcdfLevelReader());
    } catch (const GridFormatError& error) {
        return error;
    }
    return GridFormatError(GridFormatError::Kind::Write, "no error");
}

class RasterFormat : public ::testing::Test {
protected:
    TestFolder folder;
    GridDocument doc;
    int opened = 0;
    RasterReaderOverride gdal{[this](const std::string& path) {
        ++opened;
        return openGdalRaster(path);
    }};
};

// A source whose rows fail after the first block, as a damaged file does.
class FailingSource final : public RasterSource {
public:
    int columns() const override { return 2; }
    int rows() const override { return 4; }
    int bandCount() const override { return 1; }
    std::optional<std::array<double, 6>> geoTransform() const override { return std::nullopt; }
    std::optional<double> nodata(int) const override { return std::nullopt; }
    int rowsPerRead(int) const override { return 2; }
    void readRows(int, int first, int count, double* cells) override {
        if (first > 0) throw RasterReadError("block 2 is damaged");
        std::fill(cells, cells + count * 2, 1.0);
    }
};

}  // namespace

TEST_F(RasterFormat, NorthUpRasterGivesHeaderValuesNodataAndStatistics) {
    TiffSpec spec;
    spec.nodata = -32768;
    spec.values = {1.5, 2, -32768, 4, 5.25, 6};
    const QString tiff = writeTiff(folder.path("dem.tif"), spec);
    const LoadResult result = LoadGrid(doc, tiff, NetcdfLevelReader());
    EXPECT_EQ(result.format, GridFileFormat::Raster);
    EXPECT_EQ(formatName(doc.Format), "GDAL raster");
    EXPECT_EQ(doc.header.ncols, 3);
    EXPECT_EQ(doc.header.nrows, 2);
    EXPECT_EQ(doc.header.xllcorner, 1000);
    EXPECT_EQ(doc.header.yllcorner, 5000);  // 5020 + 2 rows × -10
    EXPECT_EQ(doc.header.cellsize, 10);
    EXPECT_EQ(doc.header.nodata_value, -32768);
    EXPECT_EQ(cells(doc), spec.values);
    EXPECT_EQ(doc.statistics.CellCount, 5);
    EXPECT_EQ(doc.statistics.Sum, 18.75);
    EXPECT_EQ(doc.statistics.Minimum, 1.5);
    EXPECT_EQ(doc.LevelCount, 1);
    EXPECT_FALSE(doc.IsStack);
    EXPECT_EQ(doc.FileName, tiff);
    // Never written back into the raster: Save Grid is off, Save As writes an ASCII grid.
    EXPECT_FALSE(result.saveGridAvailable);
    EXPECT_FALSE(result.levelControlsEnabled);
    EXPECT_EQ(savedFormatOf(doc), GridOutputFormat::Ascii);
    const QString saved = folder.path("dem.asc");
    WriteGrid(saved, doc, -9999);
    GridDocument again;
    LoadGrid(again, saved, NetcdfLevelReader());
    EXPECT_EQ(again.Format, GridFileFormat::AsciiGrid);
    EXPECT_EQ(cells(again), (std::vector<double>{1.5, 2, -9999, 4, 5.25, 6}));
    EXPECT_EQ(again.header.yllcorner, 5000);
}

TEST_F(RasterFormat, WithoutNodataTheDefaultHoldsAndNonNumbersBecomeNodata) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    TiffSpec spec;
    spec.type = GDT_Float64;
    spec.values = {nan, 2, std::numeric_limits<double>::infinity(), 4, 5, 6};
    LoadGrid(doc, writeTiff(folder.path("plain.tif"), spec), NetcdfLevelReader());
    EXPECT_EQ(doc.header.nodata_value, -9999);
    EXPECT_EQ(cells(doc), (std::vector<double>{-9999, 2, -9999, 4, 5, 6}));
    EXPECT_EQ(doc.statistics.CellCount, 4);
    // A NaN nodata value cannot be a grid's either.
    spec.nodata = nan;
    LoadGrid(doc, writeTiff(folder.path("nan.tif"), spec), NetcdfLevelReader());
    EXPECT_EQ(doc.header.nodata_value, -9999);
    EXPECT_EQ(doc.statistics.CellCount, 4);
}

TEST_F(RasterFormat, FloatNodataMatchesItsCellsInTheirOwnPrecision) {
    TiffSpec spec;
    spec.nodata = 1e20;
    spec.values = {1e20, 2, 3, 4, 5, 1e20};
    LoadGrid(doc, writeTiff(folder.path("fill.tif"), spec), NetcdfLevelReader());
    EXPECT_EQ(doc.statistics.CellCount, 4);
    EXPECT_EQ(doc.statistics.Maximum, 5);
    EXPECT_EQ(doc.Values->at(0, 0), doc.header.nodata_value);
}

TEST_F(RasterFormat, RotatedNonSquareAndSouthUpRastersAreRefused) {
    TiffSpec spec;
    spec.values = {1, 2, 3, 4, 5, 6};
    const struct {
        const char* name;
        std::array<double, 6> transform;
        const char* why;
    } refused[] = {
        {"rotated.tif", {0, 10, 2, 100, 0, -10}, "the raster is rotated"},
        {"sheared.tif", {0, 10, 0, 100, 1, -10}, "the raster is rotated"},
        {"oblong.tif", {0, 10, 0, 100, 0, -20}, "its cells are 10 wide and 20 high."},
        {"southup.tif", {0, 10, 0, 100, 0, 10}, "its rows do not run from north to south"},
    };
    for (const auto& raster : refused) {
        spec.transform = raster.transform;
        const QString path = writeTiff(folder.path(raster.name), spec);
        const GridFormatError error = loadError(doc, path);
        EXPECT_EQ(error.kind(), GridFormatError::Kind::Format) << raster.name;
        EXPECT_TRUE(error.text().startsWith("\"" + path + "\" cannot be shown: "));
        EXPECT_TRUE(error.text().contains(raster.why)) << error.text().toStdString();
        EXPECT_TRUE(error.text().endsWith("Vistal reads north-up rasters with square cells only."));
        EXPECT_FALSE(doc.hasValues());
    }
    // Without a georeference the cells count from the origin.
    spec.georeferenced = false;
    LoadGrid(doc, writeTiff(folder.path("image.tif"), spec), NetcdfLevelReader());
    EXPECT_EQ(doc.header.xllcorner, 0);
    EXPECT_EQ(doc.header.yllcorner, 0);
    EXPECT_EQ(doc.header.cellsize, 1);
}

TEST_F(RasterFormat, TheSelectorReadsAnotherBandAndAMissingBandIsNamed) {
    TiffSpec spec;
    spec.bands = 2;
    spec.type = GDT_Int16;
    spec.values = {1, 2, 3, 4, 5, 6, 10, 20, 30, 40, 50, 60};
    const QString tiff = writeTiff(folder.path("two.tif"), spec);
    LoadGrid(doc, tiff + "<band>2", NetcdfLevelReader());
    EXPECT_EQ(cells(doc), (std::vector<double>{10, 20, 30, 40, 50, 60}));
    EXPECT_EQ(doc.FileName, tiff + "<band>2");
    EXPECT_EQ(doc.statistics.Sum, 210);
    LoadGrid(doc, tiff, NetcdfLevelReader());
    EXPECT_EQ(doc.statistics.Sum, 21);

    const GridFormatError missing = loadError(doc, tiff + "<band>3");
    EXPECT_EQ(missing.kind(), GridFormatError::Kind::Format);
    EXPECT_EQ(missing.text(), "\"" + tiff + "\" has no band 3: its bands are numbered 1 to 2.");
    EXPECT_FALSE(doc.hasValues());
    EXPECT_TRUE(loadError(doc, tiff + "<level>1").text().contains("<level> is not a selector"));
}

TEST_F(RasterFormat, OnlyFilesNoOtherFormatRecognisesGoToTheRasterReader) {
    // GDAL reads ASCII grids too; the grid's own reader comes first.
    const QString ascii = folder.write("grid.asc",
                                       "ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\n"
                                       "cellsize 1\nnodata_value -9999\n1 2\n");
    LoadGrid(doc, ascii, NetcdfLevelReader());
    EXPECT_EQ(doc.Format, GridFileFormat::AsciiGrid);
    EXPECT_EQ(opened, 0);
    // What GDAL does not read either stays "not recognized".
    for (const QByteArray& bytes : {QByteArray("just some words\n"), QByteArray(300, '\x7f')}) {
        const GridFormatError error = loadError(doc, folder.write("other.bin", bytes));
        EXPECT_EQ(error.kind(), GridFormatError::Kind::Unrecognised);
        EXPECT_EQ(error.text(), unrecognisedFormatText);
        EXPECT_EQ(formatName(doc.Format), "not recognized");
    }
    // A file GDAL knows but cannot open is an error of its own.
    const QString broken = folder.write("broken.tif", QByteArray("II*\0junk", 8));
    const GridFormatError error = loadError(doc, broken);
    EXPECT_EQ(error.kind(), GridFormatError::Kind::Read);
    EXPECT_TRUE(error.text().startsWith("Could not open \"" + broken + "\": "));
    EXPECT_EQ(opened, 3);
}

TEST_F(RasterFormat, BlocksAreReadWithTheLoadProgress) {
    TiffSpec spec;
    spec.columns = 5;
    spec.rows = 40;
    spec.blockRows = "8";
    for (int i = 0; i < 200; ++i) spec.values.push_back(i);
    std::vector<int> progress;
    LoadCallbacks callbacks;
    callbacks.progress = [&](int percent) { progress.push_back(percent); };
    LoadGrid(doc, writeTiff(folder.path("tall.tif"), spec), NetcdfLevelReader(), callbacks);
    EXPECT_EQ(progress, (std::vector<int>{1, 20, 40, 60, 80}));
    EXPECT_EQ(cells(doc), spec.values);
    EXPECT_EQ(doc.statistics.Sum, 19900);
}

TEST(RasterReading, AFailedReadEndsTheLoadWithoutValues) {
    TestFolder folder;
    RasterReaderOverride failing(
        [](const std::string&) { return std::make_unique<FailingSource>(); });
    GridDocument doc;
    const QString path = folder.write("damaged.img", "not a grid of ours");
    const GridFormatError error = loadError(doc, path);
    EXPECT_EQ(error.kind(), GridFormatError::Kind::Read);
    EXPECT_EQ(error.text(), "Could not read \"" + path + "\": block 2 is damaged");
    EXPECT_FALSE(doc.hasValues());
    EXPECT_EQ(doc.LevelCount, 0);
}
