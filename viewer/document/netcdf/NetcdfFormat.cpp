#include <algorithm>

#include "GridFormat.h"
#include "LevelStatistics.h"
#include "NetcdfEntry.h"

namespace {

// A netCDF file (classic or HDF5-based), read level by level through the netCDF reader, which
// the program loads as a module of its own when it first meets such a file. A list entry may
// name a variable and level after the path. Save writes the shown level as an ASCII grid.
class NetcdfFormat final : public GridFormat {
public:
    QString name() const override { return QStringLiteral("netCDF"); }
    bool recognises(std::string_view first) const override {
        return signatureHas(first, "HDF") || signatureHas(first, "CDF");
    }
    void load(const GridLoad& load) const override {
        load.file.close();
        GridDocument& doc = load.doc;
        // The document's nodata value stays unless the variable has "missing_value".
        doc.LevelCount = 1;
        readLevel(doc, 0, load.netcdf);
        doc.IsStack = doc.LevelCount > 1;
        doc.statistics = levelStatistics(*doc.Values, doc.header.nodata_value);
    }
    bool readsLevels() const override { return true; }
    void readLevel(GridDocument& doc, int level, const NetcdfLevelReader& netcdf) const override {
        GridHeader header = doc.header;
        int levelCount = doc.LevelCount;
        // The new level is read over the cells of the shown one, so that a level change holds
        // one level in memory, not two.
        std::unique_ptr<GridRows> rows = std::move(doc.ownValues);
        try {
            readNetcdfLevelOver(netcdf, doc.FileName, level, header, levelCount, rows);
        } catch (...) {
            const int shown = doc.shownLevel;
            if (rows)
                doc.setOwnValues(std::move(rows));  // untouched: the shown level stays
            else
                readShownLevelBack(doc, netcdf);
            doc.shownLevel = shown;
            throw;
        }
        doc.header = header;
        doc.LevelCount = std::max(levelCount, 1);
        doc.setOwnValues(std::move(rows));
        // A selector in the entry names the level that was read, whatever was asked.
        const NetcdfEntry entry = splitNetcdfEntry(doc.FileName);
        doc.shownLevel = entry.hasSelector ? entry.level : level;
    }

private:
    // After a read that failed while writing over the shown level's cells: the shown level is
    // read again. When that fails too the document is left without values rather than
    // showing parts of two levels.
    static void readShownLevelBack(GridDocument& doc, const NetcdfLevelReader& netcdf) {
        GridHeader header = doc.header;
        int levelCount = doc.LevelCount;
        std::unique_ptr<GridRows> rows;
        try {
            readNetcdfLevelOver(netcdf, doc.FileName, doc.shownLevel, header, levelCount, rows);
            doc.setOwnValues(std::move(rows));
        } catch (...) {
            doc.releaseValues();
        }
    }
};

const NetcdfFormat netcdf{};

}  // namespace

constinit const GridFileFormat GridFileFormat::NetCDF{netcdf};
