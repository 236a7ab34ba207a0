#include "LevelChange.h"

#include <algorithm>

#include "LevelStatistics.h"

void changeLevel(GridDocument& doc, int level, const NetcdfLevelReader& netcdf) {
    if (!doc.IsStack || !doc.hasValues()) return;
    level = std::clamp(level, 0, std::max(doc.LevelCount - 1, 0));
    if (doc.Format == GridFileFormat::NetCDF) {
        GridHeader header = doc.header;
        int levelCount = doc.LevelCount;
        auto rows = readNetcdfLevel(netcdf, doc.FileName, level, header, levelCount);
        doc.header = header;
        doc.LevelCount = std::max(levelCount, 1);
        doc.setOwnValues(std::move(rows));
        doc.shownLevel = level;
    } else {
        doc.showLevel(level);
    }
    doc.Modified = false;
    doc.selection.clear();
    doc.statistics = levelStatistics(*doc.Values, doc.header.nodata_value);
}
