#include "LevelChange.h"

#include <algorithm>

#include "GridFormat.h"
#include "LevelStatistics.h"

void changeLevel(GridDocument& doc, int level, const NetcdfLevelReader& netcdf) {
    if (!doc.IsStack || !doc.hasValues()) return;
    level = std::clamp(level, 0, std::max(doc.LevelCount - 1, 0));
    if (doc.Format->readsLevels())
        doc.Format->readLevel(doc, level, netcdf);
    else
        doc.showLevel(level);
    doc.Modified = false;
    doc.selection.clear();
    doc.statistics = levelStatistics(*doc.Values, doc.header.nodata_value);
}
