#pragma once
#include "GridHeader.h"
#include "GridRows.h"

// The statistics of one level: every cell not equal to `nodata`, in row order.
GridStatistics levelStatistics(const GridRows& rows, double nodata);
