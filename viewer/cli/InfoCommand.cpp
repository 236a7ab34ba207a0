#include "InfoCommand.h"

#include <string>

#include "CommandArguments.h"
#include "GridFormatError.h"
#include "JsonText.h"
#include "LevelHistogram.h"

namespace {

const char* const infoUsage = "usage: vistal --info FILE [--level N] [--values] [--histogram N]\n";

// Enough bins for any picture of them, few enough that the counts stay readable as JSON.
constexpr int MaximumHistogramBins = 100000;

void numberMember(std::string& json, const char* indent, const char* key, double value,
                  bool last = false) {
    appendJsonKey(json, indent, key);
    appendJsonNumber(json, value);
    json += last ? "\n" : ",\n";
}

std::string headerJson(const GridDocument& doc, bool more) {
    const GridHeader& h = doc.header;
    const GridStatistics& s = doc.statistics;
    std::string json = "{\n";
    appendJsonKey(json, "  ", "format");
    appendJsonString(json, formatName(doc.Format));
    json += ",\n";
    numberMember(json, "  ", "ncols", h.ncols);
    numberMember(json, "  ", "nrows", h.nrows);
    numberMember(json, "  ", "xllcorner", h.xllcorner);
    numberMember(json, "  ", "yllcorner", h.yllcorner);
    numberMember(json, "  ", "cellsize", h.cellsize);
    numberMember(json, "  ", "nodata_value", h.nodata_value);
    numberMember(json, "  ", "levels", doc.LevelCount);
    numberMember(json, "  ", "level", doc.shownLevel);
    appendJsonKey(json, "  ", "statistics");
    json += "{\n";
    numberMember(json, "    ", "CellCount", s.CellCount);
    numberMember(json, "    ", "Minimum", s.Minimum);
    numberMember(json, "    ", "Maximum", s.Maximum);
    numberMember(json, "    ", "Sum", s.Sum);
    numberMember(json, "    ", "Average", s.Average);
    numberMember(json, "    ", "StdDeviation", s.StdDeviation, true);
    json += more ? "  },\n" : "  }\n";
    return json;
}

// The data cells in `bins` equal bins from the minimum to the maximum: the lower edge of each
// bin and the maximum, then the counts, which add up to CellCount.
std::string histogramJson(const GridDocument& doc, int bins, bool more) {
    const GridStatistics& s = doc.statistics;
    std::string json;
    appendJsonKey(json, "  ", "histogram");
    json += "{\n";
    numberMember(json, "    ", "bins", bins);
    appendJsonKey(json, "    ", "edges");
    json += '[';
    LevelHistogram histogram;
    if (s.CellCount > 0) {
        histogram =
            equalBinHistogram(*doc.Values, doc.header.nodata_value, bins, s.Minimum, s.Maximum);
        for (double lower : histogram.lowerBounds) {
            appendJsonNumber(json, lower);
            json += ", ";
        }
        appendJsonNumber(json, s.Maximum);
    } else {
        histogram.counts.assign(static_cast<std::size_t>(bins), 0);
    }
    json += "],\n";
    appendJsonKey(json, "    ", "counts");
    json += '[';
    for (std::size_t k = 0; k < histogram.counts.size(); ++k) {
        if (k > 0) json += ", ";
        json += std::to_string(histogram.counts[k]);
    }
    json += "]\n";
    json += more ? "  },\n" : "  }\n";
    return json;
}

// The values row by row, one line per row, written as they are formatted.
void writeValues(const GridRows& values, QTextStream& out) {
    out << "  \"values\": [";
    std::string line;
    for (int r = 0; r < values.rowCount(); ++r) {
        line = r == 0 ? "\n    [" : ",\n    [";
        const double* row = values.row(r);
        for (int c = 0; c < values.columnCount(); ++c) {
            if (c > 0) line += ", ";
            appendJsonNumber(line, row[c]);
        }
        line += ']';
        out << line.c_str();
    }
    out << (values.rowCount() > 0 ? "\n  ]\n" : "]\n");
}

}  // namespace

int runInfoCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                   const NetcdfLevelReader& netcdf) {
    return runCommandJob(err, infoUsage, [&] {
        const CommandArguments arguments =
            parseCommandArguments(args, QStringLiteral("--info"),
                                  {QStringLiteral("--level"), QStringLiteral("--histogram")},
                                  {QStringLiteral("--values"), QStringLiteral("--help")});
        if (arguments.has(QStringLiteral("--help"))) {
            out << infoUsage;
            return 0;
        }
        if (arguments.files.size() != 1)
            throw CommandLineError(QStringLiteral("--info needs exactly one grid file"));
        const std::optional<int> bins = intOption(arguments, QStringLiteral("--histogram"));
        if (bins && (*bins < 1 || *bins > MaximumHistogramBins))
            throw CommandLineError(
                QStringLiteral("--histogram wants 1 to %1 bins").arg(MaximumHistogramBins));
        GridDocument doc;
        loadForCommand(doc, arguments.files[0], intOption(arguments, QStringLiteral("--level")),
                       err, netcdf);
        const bool withValues = arguments.has(QStringLiteral("--values"));
        out << headerJson(doc, bins || withValues).c_str();
        if (bins) out << histogramJson(doc, *bins, withValues).c_str();
        if (withValues) writeValues(*doc.Values, out);
        out << "}\n";
        out.flush();
        return 0;
    });
}
