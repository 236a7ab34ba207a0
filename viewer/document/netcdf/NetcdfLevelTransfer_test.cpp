#include "NetcdfLevelTransfer.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <netcdf>
#include <vector>

namespace {

using netCDF::NcFile;

constexpr int rows = 5;
constexpr int columns = 7;

// Grid cell (r, c) with r counted from the north.
double cell(int r, int c) { return r * 100 + c; }

// Level 1 of a variable over (t, first, second) holds the grid in `order`;
// level 0 holds -1 everywhere, so that reading the wrong level shows.
void writeLevels(const std::string& path, NetcdfStorageOrder order, bool southFirst,
                 const netCDF::NcType& type) {
    const bool columnsFirst = order == NetcdfStorageOrder::ColumnsFirst;
    const int first = columnsFirst ? columns : rows;
    const int second = columnsFirst ? rows : columns;
    NcFile file(path, NcFile::replace);
    const std::vector<netCDF::NcDim> dimensions{file.addDim("t", 2), file.addDim("a", first),
                                                file.addDim("b", second)};
    netCDF::NcVar variable = file.addVar("v", type, dimensions);
    std::vector<std::size_t> chunk{1, 2, 3};  // bands of rows cross chunks
    variable.setChunking(netCDF::NcVar::nc_CHUNKED, chunk);
    variable.setCompression(true, true, 4);
    std::vector<double> values(std::size_t(first * second) * 2, -1);
    for (int i = 0; i < first; ++i) {
        for (int j = 0; j < second; ++j) {
            double value = 0;
            if (order == NetcdfStorageOrder::AsRead) {
                const int index = i * second + j;  // column-major position
                value = cell(index % rows, index / rows);
            } else {
                const int storedRow = columnsFirst ? j : i;
                const int r = southFirst ? rows - 1 - storedRow : storedRow;
                value = cell(r, columnsFirst ? i : j);
            }
            values[std::size_t(first * second + i * second + j)] = value;
        }
    }
    variable.putVar(values.data());
}

TEST(NetcdfLevelTransfer, AnyBufferSizeGivesTheSameGrid) {
    QTemporaryDir folder;
    const std::string path = folder.filePath("levels.nc").toStdString();
    for (const NetcdfStorageOrder order :
         {NetcdfStorageOrder::RowsFirst, NetcdfStorageOrder::ColumnsFirst,
          NetcdfStorageOrder::AsRead}) {
        for (const bool southFirst : {false, true}) {
            if (order == NetcdfStorageOrder::AsRead && southFirst) continue;
            for (const bool asDouble : {false, true}) {
                writeLevels(
                    path, order, southFirst,
                    asDouble ? netCDF::NcType(netCDF::ncDouble) : netCDF::NcType(netCDF::ncShort));
                NcFile file(path, NcFile::read);
                NetcdfLevelLayout layout;
                layout.level = 1;
                layout.rows = rows;
                layout.columns = columns;
                layout.order = order;
                layout.reverseRows = southFirst;
                layout.readAsDouble = asDouble;
                layout.scale = 2;
                layout.offset = 3;
                for (const std::size_t buffer : {1, 2, 4, 5, 7, 8, 13, 14, 34, 35, 1000}) {
                    SCOPED_TRACE(testing::Message()
                                 << "order " << int(order) << ", south first " << southFirst
                                 << ", double " << asDouble << ", buffer " << buffer);
                    GridRows grid(rows, columns, -7.0);
                    transferLevel(file.getVar("v"), layout, grid, buffer);
                    for (int r = 0; r < rows; ++r)
                        for (int c = 0; c < columns; ++c)
                            ASSERT_EQ(grid.at(r, c), cell(r, c) * 2 + 3) << r << ", " << c;
                }
            }
        }
    }
}

}  // namespace
