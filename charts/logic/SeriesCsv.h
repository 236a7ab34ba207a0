#pragma once
// The drawn series of a chart document as CSV text: a first column "Date" with ISO 8601
// date-times, then one column per series named like its legend entry, one row per date that
// any series has within the date range, in ascending order. A missing value is an empty
// cell; numbers are the shortest text that reads back as the same double, with a dot.
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ChartDocument.h"

// The points of a series: x as day numbers, y NaN where the value is missing.
struct SeriesPointArrays {
    std::vector<double> x;
    std::vector<double> y;
};

// A series as it is exported: its legend name and its points.
struct ExportedSeries {
    std::string name;
    SeriesPointArrays points;
};

// Gives the points of a drawn series when something else holds them (the chart, once it drew
// the series); nullopt makes the series' own points count.
using SeriesPointsSource = std::function<std::optional<SeriesPointArrays>(SeriesKey key)>;

// Every date: no cut.
inline constexpr ViewRange WholeDateRange{-std::numeric_limits<double>::infinity(),
                                          std::numeric_limits<double>::infinity()};

// The drawn series of `document` in legend order.
std::vector<ExportedSeries> exportedSeries(const ChartDocument& document,
                                           const SeriesPointsSource& points = {});

// The CSV text of `series` over the dates from range.minimum to range.maximum (both included).
// Dates are taken to the second: points of different series within the same second share a
// row; two points of one series within one second give a row each.
std::string seriesCsv(const std::vector<ExportedSeries>& series, ViewRange range);

// The drawn series of `document` over `range` as CSV.
std::string visibleSeriesCsv(const ChartDocument& document, ViewRange range,
                             const SeriesPointsSource& points = {});

// A CSV field: quoted (quotes doubled) when it holds a comma, a quote or a line break.
std::string csvField(std::string_view text);

// A day number as "2001-01-31T00:00:00", rounded to the second; a number outside the years
// 1 to 9999 as the number itself ("1e+09").
std::string isoDateTime(double dayNumber);
