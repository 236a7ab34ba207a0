#include "GridNetcdfReader.h"

#include <gtest/gtest.h>
#include <netcdf.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <limits>
#include <netcdf>
#include <string>
#include <vector>

#include "GridFormatError.h"
#include "GridNetcdfLevels.h"

namespace {

using netCDF::NcFile;
using Values = std::vector<double>;

// One data variable over three dimensions; a dimension's size follows its name:
// containing "x" → columns, containing "y" → rows, otherwise levels.
struct Layout {
    std::string variable = "v";
    std::vector<std::string> dimensions{"t", "y", "x"};
    std::size_t levels = 1, rows = 2, columns = 3;
    const netCDF::NcType* type = &netCDF::ncDouble;
    Values values;  // storage order, all levels; empty → level × 1000 + index in level
    Values y, x;    // the "y" and "x" variables, written when not empty
    std::vector<std::pair<std::string, double>> attributes;
    std::vector<std::string> otherVariables;  // more 3-D variables, all cells -1
    NcFile::FileFormat format = NcFile::nc4;
    bool unlimitedLevels = false;  // the level dimension is the record dimension
};

void write(const QString& path, Layout layout) {
    NcFile file(path.toStdString(), NcFile::replace, layout.format);
    std::vector<netCDF::NcDim> dimensions;
    std::vector<std::size_t> counts;
    for (const std::string& name : layout.dimensions) {
        const bool x = name.find('x') != std::string::npos;
        const bool y = name.find('y') != std::string::npos;
        counts.push_back(x ? layout.columns : y ? layout.rows : layout.levels);
        dimensions.push_back(!x && !y && layout.unlimitedLevels ? file.addDim(name)
                                                                : file.addDim(name, counts.back()));
    }
    const std::size_t perLevel = layout.rows * layout.columns;
    for (std::size_t i = layout.values.size(); i < layout.levels * perLevel; ++i) {
        layout.values.push_back(static_cast<double>(i / perLevel * 1000 + i % perLevel));
    }
    netCDF::NcVar variable = file.addVar(layout.variable, *layout.type, dimensions);
    for (const auto& [name, value] : layout.attributes) {
        variable.putAtt(name, netCDF::ncDouble, value);
    }
    const std::vector<std::size_t> starts(counts.size(), 0);
    if (!layout.values.empty()) variable.putVar(starts, counts, layout.values.data());
    const Values filler(layout.values.size(), -1);
    for (const auto& name : layout.otherVariables) {
        file.addVar(name, netCDF::ncDouble, dimensions).putVar(starts, counts, filler.data());
    }
    for (const auto& dimension : dimensions) {  // "y" and "x" over the dimensions so named
        const Values& data = dimension.getName() == "y" ? layout.y : layout.x;
        if ((dimension.getName() == "y" || dimension.getName() == "x") && !data.empty()) {
            file.addVar(dimension.getName(), netCDF::ncDouble, dimension).putVar(data.data());
        }
    }
}

struct Result {
    GridHeader header{7, 8, -5, -6, 99, -1};  // the caller's values before the read
    int levelCount = 1;
    std::unique_ptr<GridRows> rows;
    Values values;  // the rows' cells column by column from the west, each from the north
};

Values columnMajor(const GridRows& rows) {
    Values values;
    for (int c = 0; c < rows.columnCount(); ++c)
        for (int r = 0; r < rows.rowCount(); ++r) values.push_back(rows.at(r, c));
    return values;
}

class NetcdfReaderTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder.filePath(name); }

    Result read(const QString& entry, int level = 0) {
        Result result;
        reader.read(entry, level, result.header, result.levelCount, result.rows);
        result.values = columnMajor(*result.rows);
        return result;
    }

    // Code of the NetcdfReadError raised, with its message; -1 when none.
    int errorCode(const QString& entry, int level = 0, std::string* message = nullptr) {
        try {
            read(entry, level);
        } catch (const NetcdfReadError& error) {
            if (message) *message = error.what();
            return error.code();
        }
        return -1;
    }

    // The NetcdfReadError raised; fails the test when none is.
    NetcdfReadError failure(const QString& entry) {
        try {
            read(entry);
        } catch (const NetcdfReadError& error) {
            return error;
        }
        ADD_FAILURE() << entry.toStdString() << " was read";
        return NetcdfReadError(-1, "");
    }

    QTemporaryDir folder;
    netcdfReader reader;
};

bool mentions(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Writes the first `size` bytes of `from` to `to`.
void copyPrefix(const QString& from, const QString& to, qint64 size) {
    QFile source(from);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QFile target(to);
    ASSERT_TRUE(target.open(QIODevice::WriteOnly | QIODevice::Truncate));
    target.write(source.read(size));
}

const Values northFirst{0, 3, 1, 4, 2, 5};  // default layout, rows as stored

TEST_F(NetcdfReaderTest, DataVariableFromFileNameThenFirstOtherThanXYT) {
    Layout layout;
    layout.variable = "tsoil2000";
    layout.otherVariables = {"a"};  // first in name order: not taken while a name fits
    write(path("tsoil_2000.nc"), layout);
    EXPECT_EQ(read(path("tsoil_2000.nc")).values, northFirst);

    layout.variable = "tsoil2000nc";
    write(path("tsoil-2000.nc"), layout);
    EXPECT_EQ(read(path("tsoil-2000.nc")).values, northFirst);

    layout.variable = "tsoil";
    layout.otherVariables = {"t"};  // sorts first but is a coordinate name
    layout.y = {100, 0};
    layout.x = {0, 100, 200};
    write(path("tsoil_1999.nc"), layout);
    EXPECT_EQ(read(path("tsoil_1999.nc")).values, northFirst);

    layout.variable = "t";
    layout.otherVariables.clear();
    write(path("coords.nc"), layout);
    EXPECT_EQ(errorCode(path("coords.nc")), 26);
    EXPECT_EQ(errorCode(path("tsoil_1999.nc") + "<nothere>0"), 26);
}

TEST_F(NetcdfReaderTest, SelectorChoosesVariableAndLevel) {
    Layout layout;
    layout.variable = "tsoil";
    layout.levels = 4;
    layout.otherVariables = {"grid"};  // the file's base name: ignored with a selector
    write(path("grid.nc"), layout);
    for (int asked : {0, 3}) EXPECT_EQ(read(path("grid.nc") + "<tsoil>2", asked).values[0], 2000);
    EXPECT_EQ(read(path("grid.nc") + "<tsoil>abc", 3).values[0], 0);  // not a number: level 0
    EXPECT_EQ(reader.openFileCount(), 1u);

    std::string message;  // "<" first: the whole entry is a path
    EXPECT_NE(errorCode("<tsoil>2", 0, &message), 0);
    EXPECT_NE(message.find("<tsoil>2"), std::string::npos) << message;
}

TEST_F(NetcdfReaderTest, RowsComeNorthFirstInColumnMajorOrder) {
    Layout layout;
    layout.rows = 3;
    layout.columns = 2;
    layout.y = {0, 100, 200};
    layout.x = {500, 600};
    write(path("up.nc"), layout);
    Result result = read(path("up.nc"));
    EXPECT_EQ(result.values, (Values{4, 2, 0, 5, 3, 1}));
    EXPECT_EQ(result.header.ncols, 2);
    EXPECT_EQ(result.header.nrows, 3);
    EXPECT_EQ(result.header.yllcorner, 0);
    EXPECT_EQ(result.header.xllcorner, 500);
    EXPECT_EQ(result.header.cellsize, 100);

    layout.y = {200, 100, 0};
    write(path("down.nc"), layout);
    result = read(path("down.nc"));
    EXPECT_EQ(result.values, (Values{0, 2, 4, 1, 3, 5}));
    EXPECT_EQ(result.header.yllcorner, 0);
    EXPECT_EQ(result.header.cellsize, 100);

    layout.dimensions = {"t", "x", "y"};  // stored column by column
    layout.values = {0, 1, 2, 10, 11, 12};
    write(path("xdown.nc"), layout);
    EXPECT_EQ(read(path("xdown.nc")).values, (Values{0, 1, 2, 10, 11, 12}));
    layout.y = {0, 100, 200};
    write(path("xup.nc"), layout);
    EXPECT_EQ(read(path("xup.nc")).values, (Values{2, 1, 0, 12, 11, 10}));

    Layout plain;  // no dimension named exactly "x": handed on as read
    plain.dimensions = {"t", "yy", "xx"};
    write(path("plain.nc"), plain);
    EXPECT_EQ(read(path("plain.nc")).values, (Values{0, 1, 2, 3, 4, 5}));
}

TEST_F(NetcdfReaderTest, CellsizeAndCornersFromCoordinates) {
    Layout layout;
    layout.rows = 1;
    layout.y = {50};
    write(path("row.nc"), layout);
    EXPECT_EQ(read(path("row.nc")).header.cellsize, 10);

    layout.rows = 2;
    layout.y = {100.9, 0.7};  // read as integers
    layout.x = {12.6, 13, 14};
    write(path("frac.nc"), layout);
    Result result = read(path("frac.nc"));
    EXPECT_EQ(result.header.yllcorner, 0);
    EXPECT_EQ(result.header.xllcorner, 12);
    EXPECT_EQ(result.header.cellsize, 100);

    layout.attributes = {{"default_cellsize", 25}};
    write(path("cell.nc"), layout);
    EXPECT_EQ(read(path("cell.nc")).header.cellsize, 25);

    write(path("bare.nc"), Layout{});
    result = read(path("bare.nc"));
    EXPECT_EQ(result.header.cellsize, -1);
    EXPECT_EQ(result.header.xllcorner, -5);
    EXPECT_EQ(result.header.yllcorner, -6);
    EXPECT_EQ(result.header.nodata_value, -1);  // no "missing_value"
}

TEST_F(NetcdfReaderTest, ScaledShortsAndMissingValueNoLongerEqualNodata) {
    Layout layout;
    layout.type = &netCDF::ncShort;
    layout.rows = 1;
    layout.columns = 2;
    layout.values = {123, -9999};
    layout.attributes = {{"scale_factor", 0.1}, {"add_offset", 0}, {"missing_value", -9999}};
    write(path("short.nc"), layout);
    const Result result = read(path("short.nc"));
    EXPECT_NEAR(result.values[0], 12.3, 1e-9);
    EXPECT_NEAR(result.values[1], -999.9, 1e-9);
    EXPECT_EQ(result.header.nodata_value, -9999);
    EXPECT_NE(result.values[1], result.header.nodata_value);
}

TEST_F(NetcdfReaderTest, OffsetIsAnIntegerAndNamesMatchByContainment) {
    Layout layout;
    layout.rows = layout.columns = 1;
    layout.values = {10};
    layout.attributes = {{"add_offset", 2.7}, {"my_scale_factor", 3}};
    write(path("offset.nc"), layout);
    {
        NcFile file(path("offset.nc").toStdString(), NcFile::write);
        file.getVar("v").putAtt("scale_factor_note", "text");  // not a number: passed over
    }
    EXPECT_EQ(read(path("offset.nc")).values, (Values{32}));
}

TEST_F(NetcdfReaderTest, LevelCountFromATimeDimension) {
    Layout layout;
    layout.dimensions = {"time", "y", "x"};
    layout.levels = 5;
    write(path("time.nc"), layout);
    const Result result = read(path("time.nc"), 4);
    EXPECT_EQ(result.levelCount, 5);
    EXPECT_EQ(result.values[0], 4000);
}

TEST_F(NetcdfReaderTest, UnreadableFilesGiveTheLibrarysCodeAndLayoutsCode0) {
    std::string message;
    EXPECT_NE(errorCode(path("absent.nc"), 0, &message), 0);  // the system's code
    EXPECT_NE(message.find("absent.nc"), std::string::npos) << message;
    QFile text(path("text.nc"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("ncols 3\n");
    text.close();
    EXPECT_EQ(errorCode(path("text.nc")), NC_ENOTNC);
    EXPECT_EQ(reader.openFileCount(), 0u);  // failed opens are not cached

    Layout layout;
    layout.dimensions = {"y", "x"};  // two dimensions only
    write(path("flat.nc"), layout);
    EXPECT_EQ(errorCode(path("flat.nc") + "<v>0"), 0);

    layout = Layout{};
    layout.dimensions = {"t", "y", "col"};  // no "x" in a name: ncols stays the caller's 7
    layout.variable = "wide";
    write(path("wide.nc"), layout);
    EXPECT_EQ(errorCode(path("wide.nc"), 0, &message), 0);
    EXPECT_NE(message.find("7 columns"), std::string::npos) << message;
}

TEST_F(NetcdfReaderTest, LevelBeyondTheVariableIsRefusedAndOutputsKept) {
    Layout layout;
    layout.levels = 3;
    write(path("three.nc"), layout);
    std::string message;
    EXPECT_EQ(errorCode(path("three.nc"), 3, &message), 0);
    EXPECT_NE(message.find("level 3"), std::string::npos) << message;
    EXPECT_EQ(errorCode(path("three.nc"), -1), 0);
    EXPECT_EQ(errorCode(path("three.nc") + "<v>7"), 0);

    Result result;
    result.rows = std::make_unique<GridRows>(1, 1, 42.0);
    EXPECT_THROW(reader.read(path("three.nc"), 9, result.header, result.levelCount, result.rows),
                 NetcdfReadError);
    EXPECT_EQ(result.header.ncols, 7);
    EXPECT_EQ(result.levelCount, 1);
    ASSERT_TRUE(result.rows);
    EXPECT_EQ(result.rows->at(0, 0), 42);
}

TEST_F(NetcdfReaderTest, CacheServesHeldFilesAndRefusesNewOnesWhenFull) {
    Layout layout;
    layout.levels = 2;
    write(path("cached.nc"), layout);
    EXPECT_EQ(read(path("cached.nc")).values[0], 0);
    ASSERT_TRUE(QFile::remove(path("cached.nc")));
    EXPECT_EQ(read(path("cached.nc"), 1).values[0], 1000);  // still open in the cache
    EXPECT_EQ(reader.openFileCount(), 1u);

    netcdfReader small(2);
    Result result;
    for (const char* name : {"a.nc", "b.nc", "c.nc"}) write(path(name), Layout{});
    small.read(path("a.nc"), 0, result.header, result.levelCount, result.rows);
    small.read(path("b.nc"), 0, result.header, result.levelCount, result.rows);
    try {
        small.read(path("c.nc"), 0, result.header, result.levelCount, result.rows);
        ADD_FAILURE() << "a third file was opened";
    } catch (const NetcdfReadError& error) {
        EXPECT_EQ(error.code(), 1100);
    }
    EXPECT_NO_THROW(small.read(path("a.nc"), 0, result.header, result.levelCount, result.rows));
}

TEST_F(NetcdfReaderTest, OnlyNumberTypesAreReadAsGridData) {
    const auto writeTyped = [this](const char* name, auto defineType) {
        NcFile file(path(name).toStdString(), NcFile::replace);
        const std::vector<netCDF::NcDim> dimensions{file.addDim("t", 1), file.addDim("y", 2),
                                                    file.addDim("x", 3)};
        file.addVar("v", defineType(file), dimensions);
    };
    writeTyped("compound.nc", [](NcFile& file) {
        netCDF::NcCompoundType pair = file.addCompoundType("pair", 16);
        pair.addMember("a", netCDF::ncDouble, 0);
        pair.addMember("b", netCDF::ncDouble, 8);
        return netCDF::NcType(pair);
    });
    writeTyped("enum.nc", [](NcFile& file) {
        netCDF::NcEnumType kind = file.addEnumType("kind", netCDF::NcEnumType::nc_BYTE);
        kind.addMember("low", static_cast<signed char>(0));
        kind.addMember("high", static_cast<signed char>(1));
        return netCDF::NcType(kind);
    });
    writeTyped("vlen.nc", [](NcFile& file) {
        return netCDF::NcType(file.addVlenType("ragged", netCDF::ncDouble));
    });
    writeTyped("opaque.nc",
               [](NcFile& file) { return netCDF::NcType(file.addOpaqueType("blob", 24)); });
    writeTyped("string.nc", [](NcFile&) { return netCDF::ncString; });
    writeTyped("char.nc", [](NcFile&) { return netCDF::ncChar; });
    for (const auto& [name, type] : {std::pair{"compound.nc", "\"pair\" (compound)"},
                                     {"enum.nc", "\"kind\" (enum)"},
                                     {"vlen.nc", "\"ragged\" (variable-length)"},
                                     {"opaque.nc", "\"blob\" (opaque)"},
                                     {"string.nc", "\"string\""},
                                     {"char.nc", "\"char\""}}) {
        const NetcdfReadError error = failure(path(name));
        EXPECT_TRUE(error.isFormatError()) << name;
        EXPECT_TRUE(mentions(error.what(), "variable \"v\" has the type " + std::string(type)))
            << error.what();
    }

    // A coordinate variable of such a type is refused as well.
    {
        NcFile file(path("ycompound.nc").toStdString(), NcFile::replace);
        const std::vector<netCDF::NcDim> dimensions{file.addDim("t", 1), file.addDim("y", 2),
                                                    file.addDim("x", 3)};
        file.addVar("v", netCDF::ncFloat, dimensions);
        netCDF::NcCompoundType pair = file.addCompoundType("pair", 16);
        pair.addMember("a", netCDF::ncDouble, 0);
        pair.addMember("b", netCDF::ncDouble, 8);
        file.addVar("y", pair, dimensions[1]);
    }
    EXPECT_TRUE(mentions(failure(path("ycompound.nc")).what(), "variable \"y\" has the type"));

    // Every number type is read.
    for (const netCDF::NcType* type : std::initializer_list<const netCDF::NcType*>{
             &netCDF::ncByte, &netCDF::ncUbyte, &netCDF::ncShort, &netCDF::ncUshort, &netCDF::ncInt,
             &netCDF::ncUint, &netCDF::ncInt64, &netCDF::ncUint64, &netCDF::ncFloat}) {
        Layout layout;
        layout.type = type;
        write(path("number.nc"), layout);
        netcdfReader fresh;
        Result result;
        fresh.read(path("number.nc"), 0, result.header, result.levelCount, result.rows);
        EXPECT_EQ(columnMajor(*result.rows), northFirst) << type->getName();
    }
}

TEST_F(NetcdfReaderTest, ClassicFilesCutShortAreFormatErrors) {
    Layout layout;
    layout.format = NcFile::classic;
    layout.type = &netCDF::ncFloat;
    layout.rows = 3;
    layout.columns = 4;
    layout.y = {200, 100, 0};
    layout.x = {0, 100, 200, 300};
    write(path("full.nc"), layout);
    const qint64 size = QFileInfo(path("full.nc")).size();
    EXPECT_EQ(read(path("full.nc")).values[0], 0);
    for (const qint64 cut : {qint64(188), size - 40, size - 1}) {
        const QString name = path(QString("cut%1.nc").arg(cut));
        copyPrefix(path("full.nc"), name, cut);
        const NetcdfReadError error = failure(name);
        EXPECT_TRUE(error.isFormatError()) << cut;
        EXPECT_TRUE(mentions(error.what(), "cut short")) << error.what();
    }
    // Cut anywhere, a file is never read.
    for (qint64 cut = 4; cut < size; ++cut) {
        const QString name = path(QString("any%1.nc").arg(cut));
        copyPrefix(path("full.nc"), name, cut);
        EXPECT_THROW(read(name), NetcdfReadError) << cut;
    }

    // Levels in records, 64-bit offsets: the last record is cut.
    layout.format = NcFile::classic64;
    layout.unlimitedLevels = true;
    layout.levels = 3;
    write(path("records.nc"), layout);
    EXPECT_EQ(read(path("records.nc"), 2).values[0], 2000);
    copyPrefix(path("records.nc"), path("records-cut.nc"),
               QFileInfo(path("records.nc")).size() - 4);
    EXPECT_TRUE(failure(path("records-cut.nc") + "<v>0").isFormatError());

    // netCDF-4 files are checked by the library; its errors end the read too.
    layout.format = NcFile::nc4;
    write(path("four.nc"), layout);
    copyPrefix(path("four.nc"), path("four-cut.nc"), QFileInfo(path("four.nc")).size() / 2);
    EXPECT_THROW(read(path("four-cut.nc")), NetcdfReadError);
}

TEST_F(NetcdfReaderTest, NotFiniteCellsTakeTheNodataValue) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double infinity = std::numeric_limits<double>::infinity();
    Layout layout;
    layout.rows = 1;
    layout.columns = 4;
    layout.values = {nan, infinity, -infinity, 5};
    layout.attributes = {{"missing_value", -9999}};
    write(path("nan.nc"), layout);
    EXPECT_EQ(read(path("nan.nc")).values, (Values{-9999, -9999, -9999, 5}));

    {  // floats, written as floats: the library refuses to narrow an infinite double
        layout.type = &netCDF::ncFloat;
        layout.values = {0, 0, 0, 0};
        write(path("floatnan.nc"), layout);
        NcFile file(path("floatnan.nc").toStdString(), NcFile::write);
        const std::vector<float> floats{std::numeric_limits<float>::quiet_NaN(),
                                        std::numeric_limits<float>::infinity(), 5,
                                        -std::numeric_limits<float>::infinity()};
        file.getVar("v").putVar(floats.data());
    }
    EXPECT_EQ(read(path("floatnan.nc")).values, (Values{-9999, -9999, 5, -9999}));
    layout.type = &netCDF::ncDouble;
    layout.values = {nan, infinity, -infinity, 5};

    // A missing_value that is not a number is passed over: the caller's nodata stays.
    layout.attributes = {{"missing_value", nan}};
    write(path("nanmissing.nc"), layout);
    const Result result = read(path("nanmissing.nc"));
    EXPECT_EQ(result.header.nodata_value, -1);
    EXPECT_EQ(result.values, (Values{-1, -1, -1, 5}));
}

TEST_F(NetcdfReaderTest, GridsWithoutCellsAreFormatErrors) {
    for (const auto& [name, rows, columns] :
         {std::tuple{"nocolumns.nc", 2, 0}, {"norows.nc", 0, 3}, {"none.nc", 0, 0}}) {
        Layout layout;
        layout.rows = std::size_t(rows);
        layout.columns = std::size_t(columns);
        write(path(name), layout);  // netCDF-4: a dimension of length 0 is unlimited
        GridHeader header{7, 8, -5, -6, 99, -1};
        int levelCount = 1;
        try {
            readNetcdfLevel(netcdfLevelsOf(reader), path(name), 0, header, levelCount);
            ADD_FAILURE() << name << " was loaded";
        } catch (const GridFormatError& error) {
            EXPECT_EQ(error.kind(), GridFormatError::Kind::Format);
            EXPECT_TRUE(error.text().contains(
                QString("grid without cells: ncols %1, nrows %2").arg(columns).arg(rows)))
                << error.text().toStdString();
        }
        EXPECT_EQ(header.ncols, 7);  // unchanged
    }
}

TEST_F(NetcdfReaderTest, FormatErrorsReachTheLoaderAsFormatErrors) {
    Layout layout;
    layout.format = NcFile::classic;
    write(path("whole.nc"), layout);
    copyPrefix(path("whole.nc"), path("part.nc"), QFileInfo(path("whole.nc")).size() - 8);
    GridHeader header;
    int levelCount = 1;
    try {
        readNetcdfLevel(netcdfLevelsOf(reader), path("part.nc"), 0, header, levelCount);
        ADD_FAILURE() << "a cut file was loaded";
    } catch (const GridFormatError& error) {
        EXPECT_EQ(error.kind(), GridFormatError::Kind::Format);
        EXPECT_TRUE(error.text().contains("part.nc")) << error.text().toStdString();
        EXPECT_TRUE(error.text().contains("cut short")) << error.text().toStdString();
    }
}

}  // namespace
