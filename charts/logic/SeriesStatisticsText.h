#pragma once
// The figures of a series as the series list's tooltip shows them.
#include <QString>

#include "SeriesStatistics.h"

// Lines "Count: N", "Missing: N", "Mean: M", "Sum: S", "Minimum: V at DATE" and
// "Maximum: V at DATE"; numbers with up to 10 significant digits and a dot, dates as
// "2001-01-31 00:00:00". A series without values shows "–" for mean, minimum and maximum.
QString seriesStatisticsText(const SeriesStatistics& figures);
