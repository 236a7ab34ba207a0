#include "GridNetcdfLevels.h"

#include "GridFormatError.h"
#include "GridShape.h"

std::unique_ptr<GridRows> readNetcdfLevel(const NetcdfLevelReader& netcdf, const QString& entry,
                                          int level, GridHeader& header, int& levelCount) {
    if (!netcdf)
        throw GridFormatError(GridFormatError::Kind::NetCDF,
                              QStringLiteral("No netCDF reader to read \"%1\".").arg(entry));
    GridHeader read = header;
    int levels = levelCount;
    std::vector<double> block;
    try {
        netcdf(entry, level, read, levels, block);
    } catch (const NetcdfReadError& error) {
        throw GridFormatError(GridFormatError::Kind::NetCDF,
                              QStringLiteral("Could not read \"%1\" (netCDF error %2): %3")
                                  .arg(entry)
                                  .arg(error.code())
                                  .arg(QString::fromStdString(error.what())));
    } catch (const std::exception& error) {
        throw GridFormatError(GridFormatError::Kind::NetCDF,
                              QStringLiteral("Could not read \"%1\": %2")
                                  .arg(entry, QString::fromStdString(error.what())));
    }
    // The reader's dimensions are trusted only as far as the block it delivered.
    const GridShape shape = checkedGridShape(read, 1, entry);
    if (std::int64_t(block.size()) != shape.cellCount())
        throw GridFormatError(GridFormatError::Kind::NetCDF,
                              QStringLiteral("\"%1\": the netCDF reader delivered %2 values for "
                                             "%3 × %4 cells.")
                                  .arg(entry)
                                  .arg(block.size())
                                  .arg(shape.columns)
                                  .arg(shape.rows));
    auto rows = std::make_unique<GridRows>(shape.rows, shape.columns);
    const double* next = block.data();
    for (int c = 0; c < shape.columns; ++c)
        for (int r = 0; r < shape.rows; ++r) rows->at(r, c) = *next++;
    header = read;
    levelCount = levels;
    return rows;
}
