// netCDF files as climate and hydrology data are written: fill values, coordinate variables
// beside the data, unsigned bytes and shorts, scale attributes of the wrong type. The files
// are made with the netCDF C library, as such data usually are.
#include <gtest/gtest.h>
#include <netcdf.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "GridFormatError.h"
#include "GridNetcdfLevels.h"
#include "GridNetcdfReader.h"
#include "LevelChange.h"
#include "LevelStatistics.h"
#include "LoadGrid.h"

namespace {

void check(int status) { ASSERT_EQ(status, NC_NOERR) << nc_strerror(status); }

// A file of one data variable over (time, y, x); the caller adds its attributes and values.
class ClimateFile {
public:
    ClimateFile(const std::string& path, nc_type type, std::size_t rows = 1,
                std::size_t columns = 2) {
        check(nc_create(path.c_str(), NC_CLOBBER | NC_NETCDF4, &id_));
        check(nc_def_dim(id_, "time", NC_UNLIMITED, &dims_[0]));
        check(nc_def_dim(id_, "y", rows, &dims_[1]));
        check(nc_def_dim(id_, "x", columns, &dims_[2]));
        type_ = type;
        columns_ = columns;
        rows_ = rows;
    }
    ~ClimateFile() { close(); }
    void close() {
        if (id_ >= 0) nc_close(id_);
        id_ = -1;
    }
    int id() const { return id_; }
    int data(const char* name) {
        int variable = -1;
        check(nc_def_var(id_, name, type_, 3, dims_, &variable));
        return variable;
    }
    void scalar(const char* name) {
        int variable = -1;
        check(nc_def_var(id_, name, NC_INT, 0, nullptr, &variable));
    }
    void time(const char* name) {
        int variable = -1;
        check(nc_def_var(id_, name, NC_DOUBLE, 1, dims_, &variable));
    }
    template <typename T>
    void level(int variable, std::size_t level, const std::vector<T>& values) {
        const std::size_t start[3] = {level, 0, 0};
        const std::size_t count[3] = {1, rows_, columns_};
        check(nc_put_vara(id_, variable, start, count, values.data()));
    }

private:
    int id_ = -1;
    int dims_[3] = {};
    nc_type type_ = NC_FLOAT;
    std::size_t rows_ = 1;
    std::size_t columns_ = 2;
};

class NetcdfClimateFiles : public ::testing::Test {
protected:
    std::string path(const char* name) const { return folder.filePath(name).toStdString(); }
    std::vector<double> read(const std::string& entry, int level = 0) {
        header = GridHeader{2, 1, 0, 0, 1, -9999};
        reader.read(QString::fromStdString(entry), level, header, levelCount, rows);
        std::vector<double> cells;
        for (int c = 0; c < rows->columnCount(); ++c)
            for (int r = 0; r < rows->rowCount(); ++r) cells.push_back(rows->at(r, c));
        return cells;
    }

    QTemporaryDir folder;
    netcdfReader reader;
    GridHeader header;
    int levelCount = 1;
    std::unique_ptr<GridRows> rows;
};

TEST_F(NetcdfClimateFiles, FillValuesAndRecordsNeverWrittenAreNodata) {
    {
        ClimateFile file(path("tas.nc"), NC_FLOAT);
        const int tas = file.data("tas");
        const float fill = 1e20f;
        check(nc_put_att_float(file.id(), tas, "_FillValue", NC_FLOAT, 1, &fill));
        file.level(tas, 1, std::vector<float>{281.5f, fill});  // record 0 is never written
    }
    const double fill = static_cast<double>(1e20f);
    EXPECT_EQ(read(path("tas.nc"), 1), (std::vector<double>{281.5, fill}));
    EXPECT_EQ(header.nodata_value, fill);
    EXPECT_EQ(levelCount, 2);
    const GridStatistics statistics = levelStatistics(*rows, header.nodata_value);
    EXPECT_EQ(statistics.CellCount, 1);
    EXPECT_EQ(statistics.Maximum, 281.5);
    EXPECT_EQ(read(path("tas.nc"), 0), (std::vector<double>{fill, fill}));

    // A missing value rules over the fill value.
    {
        ClimateFile file(path("pr.nc"), NC_FLOAT);
        const int pr = file.data("pr");
        const float fill = -1.0f;
        const float missing = -2.0f;
        check(nc_put_att_float(file.id(), pr, "_FillValue", NC_FLOAT, 1, &fill));
        check(nc_put_att_float(file.id(), pr, "missing_value", NC_FLOAT, 1, &missing));
        file.level(pr, 0, std::vector<float>{-1.0f, -2.0f});
    }
    read(path("pr.nc"));
    EXPECT_EQ(header.nodata_value, -2.0);
}

TEST_F(NetcdfClimateFiles, TheFirstVariableOfThreeDimensionsIsTheData) {
    {
        ClimateFile file(path("model_output.nc"), NC_DOUBLE);
        file.scalar("crs");  // both sort before the data
        file.time("bounds");
        file.level(file.data("tas"), 0, std::vector<double>{1, 2});
    }
    EXPECT_EQ(read(path("model_output.nc")), (std::vector<double>{1, 2}));
    {
        ClimateFile file(path("no_grid.nc"), NC_DOUBLE);
        file.scalar("crs");
        file.time("bounds");
    }
    std::string message;
    try {
        read(path("no_grid.nc"));
    } catch (const NetcdfReadError& error) {
        EXPECT_EQ(error.code(), 26);
        message = error.what();
    }
    EXPECT_NE(message.find("no data variable"), std::string::npos) << message;
    // A selector still takes the variable it names, and says why it cannot be read.
    try {
        read(path("no_grid.nc") + "<crs>0");
        ADD_FAILURE() << "a scalar was read as a grid";
    } catch (const NetcdfReadError& error) {
        EXPECT_NE(std::string(error.what()).find("0 dimensions"), std::string::npos);
    }
}

TEST_F(NetcdfClimateFiles, UnsignedBytesAndShortsReadAsUnsigned) {
    {
        ClimateFile file(path("classes.nc"), NC_BYTE);
        const int classes = file.data("classes");
        check(nc_put_att_text(file.id(), classes, "_Unsigned", 4, "true"));
        const signed char fill = -2;
        check(nc_put_att_schar(file.id(), classes, "_FillValue", NC_BYTE, 1, &fill));
        file.level(classes, 0, std::vector<signed char>{-1, 5});
    }
    EXPECT_EQ(read(path("classes.nc")), (std::vector<double>{255, 5}));
    EXPECT_EQ(header.nodata_value, 254);
    {
        ClimateFile file(path("counts.nc"), NC_SHORT);
        const int counts = file.data("counts");
        check(nc_put_att_text(file.id(), counts, "_Unsigned", 4, "true"));
        const float scale = 0.5f;
        check(nc_put_att_float(file.id(), counts, "scale_factor", NC_FLOAT, 1, &scale));
        file.level(counts, 0, std::vector<short>{-1, 7});
    }
    EXPECT_EQ(read(path("counts.nc")), (std::vector<double>{65535 * 0.5, 3.5}));
    {
        ClimateFile file(path("signed.nc"), NC_BYTE);
        const int plain = file.data("signed");
        check(nc_put_att_text(file.id(), plain, "_Unsigned", 5, "false"));
        file.level(plain, 0, std::vector<signed char>{-1, 5});
    }
    EXPECT_EQ(read(path("signed.nc")), (std::vector<double>{-1, 5}));
}

TEST_F(NetcdfClimateFiles, ScaleAttributesStoredAsTextAreFormatErrors) {
    for (const char* name : {"scale_factor", "add_offset"}) {
        const std::string file = path(name);
        {
            ClimateFile text(file, NC_SHORT);
            const int v = text.data("text");
            check(nc_put_att_text(text.id(), v, name, 3, "0.1"));
            text.level(v, 0, std::vector<short>{10, 20});
        }
        try {
            read(file);
            ADD_FAILURE() << name << " as text was passed over";
        } catch (const NetcdfReadError& error) {
            EXPECT_TRUE(error.isFormatError());
            EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
        }
    }
}

TEST_F(NetcdfClimateFiles, MessagesGiveTheLibrarysCodeOnlyForItsOwnErrors) {
    {
        ClimateFile file(path("flat.nc"), NC_DOUBLE);
        file.time("flat");
    }
    int levels = 1;
    GridHeader kept;
    try {
        readNetcdfLevel(netcdfLevelsOf(reader), QString::fromStdString(path("flat.nc") + "<flat>0"),
                        0, kept, levels);
        ADD_FAILURE() << "a one-dimensional variable was read";
    } catch (const GridFormatError& error) {
        EXPECT_FALSE(error.text().contains("netCDF error")) << error.text().toStdString();
        EXPECT_TRUE(error.text().contains("1 dimensions")) << error.text().toStdString();
    }
    QFile text(folder.filePath("text.nc"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("CDF\x01 but not a netCDF file");
    text.close();
    try {
        readNetcdfLevel(netcdfLevelsOf(reader), folder.filePath("text.nc"), 0, kept, levels);
        ADD_FAILURE() << "a broken file was read";
    } catch (const GridFormatError& error) {
        EXPECT_TRUE(error.text().contains("(netCDF error ")) << error.text().toStdString();
        EXPECT_FALSE(error.text().contains("(netCDF error 0)")) << error.text().toStdString();
    }
}

TEST_F(NetcdfClimateFiles, TheDocumentShowsTheLevelTheSelectorNames) {
    {
        ClimateFile file(path("levels.nc"), NC_DOUBLE);
        const int v = file.data("v");
        for (std::size_t level = 0; level < 4; ++level)
            file.level(v, level, std::vector<double>{double(level), 0});
    }
    GridDocument doc;
    LoadGrid(doc, QString::fromStdString(path("levels.nc") + "<v>3"), reader);
    EXPECT_EQ(doc.shownLevel, 3);
    EXPECT_EQ(doc.Values->at(0, 0), 3);
    LoadGrid(doc, QString::fromStdString(path("levels.nc")), reader);
    EXPECT_EQ(doc.shownLevel, 0);

    // Another level is read over the shown one's cells.
    const GridRows* shown = doc.Values;
    changeLevel(doc, 2, netcdfLevelsOf(reader));
    EXPECT_EQ(doc.Values, shown);
    EXPECT_EQ(doc.shownLevel, 2);
    EXPECT_EQ(doc.Values->at(0, 0), 2);
}

}  // namespace
