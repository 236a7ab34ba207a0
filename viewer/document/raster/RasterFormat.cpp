#include <QFile>
#include <algorithm>
#include <cmath>

#include "GridFormat.h"
#include "LevelStatistics.h"
#include "LoadGrid.h"
#include "RasterEntry.h"
#include "RasterReader.h"

namespace {

// The header of `band` of `raster`, or a format error for a geotransform Vistal cannot show:
// rows must run north to south and columns west to east, without rotation, over square cells.
GridHeader rasterHeader(const RasterSource& raster, int band, const QString& entry) {
    GridHeader header;
    header.ncols = raster.columns();
    header.nrows = raster.rows();
    // Without a georeference the cells are counted from the south-west corner.
    header.xllcorner = 0;
    header.yllcorner = 0;
    header.cellsize = 1;
    const auto refuse = [&entry](const QString& why) {
        return GridFormatError(GridFormatError::Kind::Format,
                               QStringLiteral("\"%1\" cannot be shown: %2 Vistal reads north-up "
                                              "rasters with square cells only.")
                                   .arg(entry, why));
    };
    if (const auto gt = raster.geoTransform()) {
        const auto& t = *gt;
        if (t[2] != 0 || t[4] != 0)
            throw refuse(
                QStringLiteral("the raster is rotated (its geotransform turns rows or "
                               "columns away from north)."));
        if (!(t[1] > 0) || !(t[5] < 0))
            throw refuse(
                QStringLiteral("its rows do not run from north to south and its "
                               "columns from west to east."));
        // Square to the last few digits: cell sizes written as decimals differ that much.
        if (std::fabs(t[1] + t[5]) > 1e-9 * t[1])
            throw refuse(QStringLiteral("its cells are %1 wide and %2 high.")
                             .arg(t[1], 0, 'g', 17)
                             .arg(-t[5], 0, 'g', 17));
        header.xllcorner = t[0];
        header.yllcorner = t[3] + raster.rows() * t[5];
        header.cellsize = t[1];
    }
    // A nodata value that is not a number cannot be a grid's: such cells take the default.
    if (const auto nodata = raster.nodata(band); nodata && std::isfinite(*nodata))
        header.nodata_value = *nodata;
    else
        header.nodata_value = GridHeader{}.nodata_value;
    return header;
}

// Reads the band's rows straight into the level, a block of rows at a time, with the load's
// progress before each block; NaN and infinite cells become nodata.
void readRasterRows(RasterSource& raster, int band, GridRows& rows, double nodata,
                    const LoadCallbacks& callbacks, const QString& entry) {
    const int columns = rows.columnCount();
    const int step = std::max(1, raster.rowsPerRead(band));
    for (int first = 0; first < rows.rowCount(); first += step) {
        if (callbacks.progress) callbacks.progress(loadProgressPercent(first, rows.rowCount()));
        if (callbacks.processEvents) callbacks.processEvents();
        const int count = std::min(step, rows.rowCount() - first);
        try {
            raster.readRows(band, first, count, rows.row(first));
        } catch (const RasterReadError& error) {
            throw GridFormatError(GridFormatError::Kind::Read,
                                  QStringLiteral("Could not read \"%1\": %2")
                                      .arg(entry, QString::fromStdString(error.what())));
        }
        double* cells = rows.row(first);
        for (std::size_t i = 0, n = std::size_t(count) * columns; i < n; ++i)
            if (!std::isfinite(cells[i])) cells[i] = nodata;
    }
}

// A raster GDAL reads (GeoTIFF and the others), asked only about files no other format
// recognises. One band is read: the first, or the one the entry's "<band>N" names. Save
// writes the shown grid as an ASCII grid, never back into the raster.
class RasterFormat final : public GridFormat {
public:
    QString name() const override { return QStringLiteral("GDAL raster"); }
    // Recognition by the first bytes is left to the other formats.
    bool recognises(std::string_view) const override { return false; }
    void load(const GridLoad& load) const override {
        GridDocument& doc = load.doc;
        const QString path = load.file.fileName();
        load.file.close();
        std::unique_ptr<RasterSource> raster;
        try {
            raster = openRaster(QFile::encodeName(path).toStdString());
        } catch (const RasterReadError& error) {
            throw GridFormatError(GridFormatError::Kind::Read,
                                  QStringLiteral("Could not open \"%1\": %2")
                                      .arg(doc.FileName, QString::fromStdString(error.what())));
        }
        if (!raster)
            throw GridFormatError(GridFormatError::Kind::Unrecognised, unrecognisedFormatText);
        doc.Format = GridFileFormat::Raster;

        // The file opened is the entry itself when a file of that very name exists.
        const RasterEntry entry =
            path == doc.FileName ? RasterEntry{path, 1} : splitRasterEntry(doc.FileName);
        if (raster->bandCount() < 1)
            throw GridFormatError(GridFormatError::Kind::Format,
                                  QStringLiteral("\"%1\" holds no raster band.").arg(entry.path));
        if (entry.band > raster->bandCount())
            throw GridFormatError(
                GridFormatError::Kind::Format,
                QStringLiteral("\"%1\" has no band %2: its bands are numbered 1 to %3.")
                    .arg(entry.path)
                    .arg(entry.band)
                    .arg(raster->bandCount()));
        const GridHeader header = rasterHeader(*raster, entry.band, doc.FileName);
        const GridShape shape = checkedGridShape(header, 1, doc.FileName);
        auto levels = allocateLevels(shape);
        readRasterRows(*raster, entry.band, *levels[0], header.nodata_value, load.callbacks,
                       doc.FileName);
        doc.header = header;
        doc.statistics = levelStatistics(*levels[0], header.nodata_value);
        doc.setOwnValues(std::move(levels[0]));
        doc.LevelCount = 1;
        doc.IsStack = false;
    }
};

const RasterFormat raster{};

}  // namespace

constinit const GridFileFormat GridFileFormat::Raster{raster};
