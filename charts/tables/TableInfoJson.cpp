#include "TableInfoJson.h"

#include <cmath>

#include "JsonText.h"

namespace {

void appendRangeValue(std::string& out, double value) {
    if (value == SeriesData::unset) {
        out += "null";
    } else {
        appendJsonNumber(out, value);
    }
}

// A figure that a series without values lacks is null (JSON has no NaN).
void appendMember(std::string& out, const char* name, double value) {
    out += ",\n";
    appendJsonKey(out, "      ", name);
    appendJsonNumber(out, value);
}

void appendStatistics(std::string& out, const SeriesStatistics& figures) {
    out += ",\n";
    appendJsonKey(out, "      ", "count");
    out += std::to_string(figures.count);
    out += ",\n";
    appendJsonKey(out, "      ", "missing");
    out += std::to_string(figures.missing);
    appendMember(out, "sum", figures.sum);
    appendMember(out, "mean", figures.mean);
    appendMember(out, "min_date", figures.minimumDate);
    appendMember(out, "max_date", figures.maximumDate);
}

void appendSeries(std::string& out, const SeriesData& series, bool withValues) {
    out += "    {\n";
    appendJsonKey(out, "      ", "title");
    appendJsonString(out, series.displayName);
    out += ",\n";
    appendJsonKey(out, "      ", "min");
    appendRangeValue(out, series.valueMinimum);
    out += ",\n";
    appendJsonKey(out, "      ", "max");
    appendRangeValue(out, series.valueMaximum);
    out += ",\n";
    appendJsonKey(out, "      ", "points");
    out += std::to_string(series.pointCount());
    out += ",\n";
    appendJsonKey(out, "      ", "nulls");
    out += std::to_string(series.nullCount());
    appendStatistics(out, series.statistics);
    if (withValues) {
        out += ",\n";
        appendJsonKey(out, "      ", "y");
        out += '[';
        const std::vector<double>& y = series.y();
        for (std::size_t i = 0; i < y.size(); ++i) {
            if (i > 0) out += ", ";
            appendJsonNumber(out, y[i]);
        }
        out += ']';
    }
    out += "\n    }";
}

}  // namespace

std::string tableInfoJson(const FileContainer& table, bool withValues) {
    std::string out = "{\n";
    appendJsonKey(out, "  ", "start");
    appendJsonNumber(out, table.start());
    out += ",\n";
    appendJsonKey(out, "  ", "end");
    appendJsonNumber(out, table.end());
    out += ",\n";
    appendJsonKey(out, "  ", "step");
    appendJsonNumber(out, table.timeStep());
    out += ",\n";
    appendJsonKey(out, "  ", "entity");
    appendJsonString(out, table.EntityName);
    out += ",\n";
    appendJsonKey(out, "  ", "minute_column");
    out += table.minuteColumn() ? "true" : "false";
    out += ",\n";
    appendJsonKey(out, "  ", "min");
    appendRangeValue(out, table.valueMinimum());
    out += ",\n";
    appendJsonKey(out, "  ", "max");
    appendRangeValue(out, table.valueMaximum());
    out += ",\n";
    appendJsonKey(out, "  ", "series");
    out += "[\n";
    for (int i = 0; i < table.seriesCount(); ++i) {
        if (i > 0) out += ",\n";
        appendSeries(out, *table.series(i), withValues);
    }
    out += "\n  ]\n}\n";
    return out;
}
