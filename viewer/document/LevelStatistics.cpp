#include "LevelStatistics.h"

#include "StatClass.h"

GridStatistics levelStatistics(const GridRows& rows, double nodata) {
    StatClass stats;
    const double* cell = rows.data();
    const double* const end = cell + rows.cellCount();
    for (; cell != end; ++cell)
        if (*cell != nodata) stats.Add(*cell);
    return stats.results();
}
