#include "GridNetcdfLevels.h"

#include "GridFormatError.h"
#include "GridShape.h"

std::unique_ptr<GridRows> readNetcdfLevel(const NetcdfLevelReader& netcdf, const QString& entry,
                                          int level, GridHeader& header, int& levelCount) {
    std::unique_ptr<GridRows> rows;
    readNetcdfLevelOver(netcdf, entry, level, header, levelCount, rows);
    return rows;
}

void readNetcdfLevelOver(const NetcdfLevelReader& netcdf, const QString& entry, int level,
                         GridHeader& header, int& levelCount, std::unique_ptr<GridRows>& rows) {
    if (!netcdf)
        throw GridFormatError(GridFormatError::Kind::NetCDF,
                              QStringLiteral("No netCDF reader to read \"%1\".").arg(entry));
    GridHeader read = header;
    int levels = levelCount;
    try {
        netcdf(entry, level, read, levels, rows);
    } catch (const NetcdfReadError& error) {
        if (error.isFormatError())
            throw GridFormatError(GridFormatError::Kind::Format,
                                  QString::fromStdString(error.what()) + QLatin1Char('.'));
        // Code 0 marks the reader's own refusals, whose message says it all.
        const QString code =
            error.code() == 0 ? QString() : QStringLiteral(" (netCDF error %1)").arg(error.code());
        throw GridFormatError(GridFormatError::Kind::NetCDF,
                              QStringLiteral("Could not read \"%1\"%2: %3")
                                  .arg(entry, code, QString::fromStdString(error.what())));
    } catch (const std::exception& error) {
        throw GridFormatError(GridFormatError::Kind::NetCDF,
                              QStringLiteral("Could not read \"%1\": %2")
                                  .arg(entry, QString::fromStdString(error.what())));
    }
    // The reader's dimensions are trusted only as far as the rows it delivered.
    // A grid without cells is refused here, as in the other formats.
    const GridShape shape = checkedGridShape(read, 1, entry);
    if (!rows || rows->rowCount() != shape.rows || rows->columnCount() != shape.columns)
        throw GridFormatError(GridFormatError::Kind::NetCDF,
                              QStringLiteral("\"%1\": the netCDF reader delivered %2 × %3 cells "
                                             "for a grid of %4 × %5 cells.")
                                  .arg(entry)
                                  .arg(rows ? rows->columnCount() : 0)
                                  .arg(rows ? rows->rowCount() : 0)
                                  .arg(shape.columns)
                                  .arg(shape.rows));
    header = read;
    levelCount = levels;
}
