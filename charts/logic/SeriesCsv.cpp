#include "SeriesCsv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "DayNumberDate.h"

namespace {

constexpr double secondsPerDay = 86400.0;
// Day numbers beyond this many seconds from 30.12.1899 are not dates any table holds.
constexpr double largestSeconds = 9.0e15;

void appendNumber(std::string& out, double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

// One series' points within the range, by second, in ascending order.
struct Column {
    std::vector<long long> seconds;
    std::vector<double> y;
    std::size_t next = 0;
};

Column columnOf(const SeriesPointArrays& points, ViewRange range) {
    const std::size_t count = std::min(points.x.size(), points.y.size());
    std::vector<std::size_t> inRange;
    for (std::size_t k = 0; k < count; ++k) {
        const double x = points.x[k];
        if (x >= range.minimum && x <= range.maximum && std::isfinite(x) &&
            std::fabs(x * secondsPerDay) < largestSeconds)
            inRange.push_back(k);
    }
    // Rows in falling date order give falling x; the stable sort keeps equal dates in order.
    std::stable_sort(inRange.begin(), inRange.end(),
                     [&](std::size_t a, std::size_t b) { return points.x[a] < points.x[b]; });
    Column column;
    column.seconds.reserve(inRange.size());
    column.y.reserve(inRange.size());
    for (const std::size_t k : inRange) {
        column.seconds.push_back(std::llround(points.x[k] * secondsPerDay));
        column.y.push_back(points.y[k]);
    }
    return column;
}

}  // namespace

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string isoDateTime(double dayNumber) {
    const double seconds = std::round(dayNumber * secondsPerDay);
    const double days = std::floor(seconds / secondsPerDay);
    const QDate date = dateFromDayNumber(days);
    if (!date.isValid()) {
        std::string number;
        appendNumber(number, dayNumber);
        return number;
    }
    const int time = static_cast<int>(seconds - days * secondsPerDay);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", date.year(), date.month(),
                  date.day(), time / 3600, time / 60 % 60, time % 60);
    return text;
}

std::vector<ExportedSeries> exportedSeries(const ChartDocument& document,
                                           const SeriesPointsSource& points) {
    std::vector<ExportedSeries> exported;
    for (const SeriesKey key : document.drawn()) {
        const SeriesData* series = document.series(key);
        if (!series) continue;
        std::optional<SeriesPointArrays> held = points ? points(key) : std::nullopt;
        if (!held) held = SeriesPointArrays{series->x(), series->y()};
        exported.push_back({series->displayName, std::move(*held)});
    }
    return exported;
}

std::string seriesCsv(const std::vector<ExportedSeries>& series, ViewRange range) {
    std::string out = "Date";
    std::vector<Column> columns;
    columns.reserve(series.size());
    for (const ExportedSeries& one : series) {
        out += ',';
        out += csvField(one.name);
        columns.push_back(columnOf(one.points, range));
    }
    out += '\n';

    // Merges the columns: each row takes the earliest second still ahead in any column, and
    // the next point of every column at that second.
    for (;;) {
        bool any = false;
        long long second = 0;
        for (const Column& column : columns) {
            if (column.next >= column.seconds.size()) continue;
            const long long at = column.seconds[column.next];
            if (!any || at < second) second = at;
            any = true;
        }
        if (!any) break;
        out += isoDateTime(static_cast<double>(second) / secondsPerDay);
        for (Column& column : columns) {
            out += ',';
            if (column.next >= column.seconds.size() || column.seconds[column.next] != second)
                continue;
            const double y = column.y[column.next++];
            if (!std::isnan(y)) appendNumber(out, y);
        }
        out += '\n';
    }
    return out;
}

std::string visibleSeriesCsv(const ChartDocument& document, ViewRange range,
                             const SeriesPointsSource& points) {
    return seriesCsv(exportedSeries(document, points), range);
}
