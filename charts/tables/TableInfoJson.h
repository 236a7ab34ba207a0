#pragma once
// A loaded table as JSON for scripts: dates, time step, description, ranges and series.
#include <string>

#include "FileContainer.h"

// Keys: start, end, step (day numbers), entity, minute_column, min, max and series (title,
// min, max, points, nulls and, with `withValues`, y). Missing values and ranges without
// any value are null. Numbers are written with a dot whatever the locale.
std::string tableInfoJson(const FileContainer& table, bool withValues);
