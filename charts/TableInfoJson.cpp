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

// Length of the UTF-8 sequence at `at`, or 0 when the bytes there are not one.
std::size_t utf8Length(const std::string& text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    unsigned minimum = 0;
    unsigned code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1Fu, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07u, minimum = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

// Tables come from older systems too: bytes that are not UTF-8 are taken as Latin-1.
void appendString(std::string& out, const std::string& text) {
    out += '"';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (const std::size_t length = utf8Length(text, i)) {
            out.append(text, i, length);
            i += length - 1;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    out += '"';
}

void key(std::string& out, const char* indent, const char* name) {
    out += indent;
    out += '"';
    out += name;
    out += "\": ";
}

void appendSeries(std::string& out, const SeriesData& series, bool withValues) {
    out += "    {\n";
    key(out, "      ", "title");
    appendString(out, series.displayName);
    out += ",\n";
    key(out, "      ", "min");
    appendRangeValue(out, series.valueMinimum);
    out += ",\n";
    key(out, "      ", "max");
    appendRangeValue(out, series.valueMaximum);
    out += ",\n";
    key(out, "      ", "points");
    out += std::to_string(series.pointCount());
    out += ",\n";
    key(out, "      ", "nulls");
    out += std::to_string(series.nullCount());
    if (withValues) {
        out += ",\n";
        key(out, "      ", "y");
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
    key(out, "  ", "start");
    appendJsonNumber(out, table.start());
    out += ",\n";
    key(out, "  ", "end");
    appendJsonNumber(out, table.end());
    out += ",\n";
    key(out, "  ", "step");
    appendJsonNumber(out, table.timeStep());
    out += ",\n";
    key(out, "  ", "entity");
    appendString(out, table.EntityName);
    out += ",\n";
    key(out, "  ", "minute_column");
    out += table.minuteColumn() ? "true" : "false";
    out += ",\n";
    key(out, "  ", "min");
    appendRangeValue(out, table.valueMinimum());
    out += ",\n";
    key(out, "  ", "max");
    appendRangeValue(out, table.valueMaximum());
    out += ",\n";
    key(out, "  ", "series");
    out += "[\n";
    for (int i = 0; i < table.seriesCount(); ++i) {
        if (i > 0) out += ",\n";
        appendSeries(out, *table.series(i), withValues);
    }
    out += "\n  ]\n}\n";
    return out;
}
