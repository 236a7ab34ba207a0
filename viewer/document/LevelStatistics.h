#pragma once
#include "GridHeader.h"
#include "GridRows.h"
#include "StatClass.h"

// The statistics of one level: every cell not equal to `nodata`, in row order.
GridStatistics levelStatistics(const GridRows& rows, double nodata);

// Adds the cells of one row that are not equal to `nodata` to `stats`, west to east. Rows
// added one after the other from the north give the level's statistics bit for bit.
inline void addRowStatistics(StatClass& stats, const double* row, int columns, double nodata) {
    // A copy the row cannot alias stays in registers for the whole row.
    StatClass local = stats;
    for (int c = 0; c < columns; ++c)
        if (row[c] != nodata) local.Add(row[c]);
    stats = local;
}
