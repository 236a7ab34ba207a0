#pragma once
// A loaded table as JSON for scripts: dates, time step, description, ranges and series.
#include <string>

#include "FileContainer.h"

// Keys: start, end, step (day numbers), entity, minute_column, min, max and series (title,
// min, max, points, nulls, count (values that are not missing), missing, sum, mean, min_date,
// max_date (day numbers of the first minimum and maximum) and, with `withValues`, y). Missing
// values, ranges without any value and the mean and dates of a series without values are null.
// Numbers are written with a dot whatever the locale.
std::string tableInfoJson(const FileContainer& table, bool withValues);
