#include "LevelStatistics.h"

GridStatistics levelStatistics(const GridRows& rows, double nodata) {
    StatClass stats;
    for (int r = 0; r < rows.rowCount(); ++r)
        addRowStatistics(stats, rows.row(r), rows.columnCount(), nodata);
    return stats.results();
}
