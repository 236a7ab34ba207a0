#include "TableClipboardText.h"

#include <algorithm>
#include <charconv>

#include "NumberText.h"

namespace {

constexpr std::string_view Blanks = " \t\r";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

// The fields of one line: split at every separator, or at runs of blanks.
std::vector<std::string_view> fieldsOf(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    if (separator == ' ') {
        std::size_t at = 0;
        while ((at = line.find_first_not_of(Blanks, at)) != std::string_view::npos) {
            const auto end = std::min(line.find_first_of(Blanks, at), line.size());
            fields.push_back(line.substr(at, end - at));
            at = end;
        }
        return fields;
    }
    std::size_t start = 0;
    while (true) {
        const auto end = line.find(separator, start);
        fields.push_back(trimmed(line.substr(start, end - start)));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

std::string notANumber(std::size_t row, std::size_t column, std::string_view field) {
    constexpr std::size_t Shown = 40;
    std::string shown(field.substr(0, Shown));
    if (field.size() > Shown) shown += "...";
    return "row " + std::to_string(row) + ", column " + std::to_string(column) + ": \"" + shown +
           "\" is not a number";
}

}  // namespace

std::string CopyTableText(const CellSelection& selection, const GridRows& values, double nodata) {
    if (selection.empty()) return {};
    int top = selection.points.front().y, bottom = top;
    int left = selection.points.front().x, right = left;
    for (const myPoint& point : selection.points) {
        top = std::min(top, point.y);
        bottom = std::max(bottom, point.y);
        left = std::min(left, point.x);
        right = std::max(right, point.x);
    }
    const auto width = static_cast<std::size_t>(right - left + 1);
    std::vector<bool> selected(width * static_cast<std::size_t>(bottom - top + 1), false);
    for (const myPoint& point : selection.points)
        selected[static_cast<std::size_t>(point.y - top) * width +
                 static_cast<std::size_t>(point.x - left)] = true;

    std::string text;
    char number[32];
    for (int row = top; row <= bottom; ++row) {
        for (int col = left; col <= right; ++col) {
            if (col > left) text += '\t';
            if (!selected[static_cast<std::size_t>(row - top) * width +
                          static_cast<std::size_t>(col - left)])
                continue;
            const double value = values.at(row - 1, col - 1);
            if (value == nodata) continue;
            const auto written = std::to_chars(number, number + sizeof number, value);
            text.append(number, written.ptr);
        }
        text += '\n';
    }
    return text;
}

TableText ReadTableText(std::string_view text, std::string& error) {
    error.clear();
    const char separator = text.find('\t') != std::string_view::npos  ? '\t'
                           : text.find(';') != std::string_view::npos ? ';'
                                                                      : ' ';
    const bool decimalComma = text.find('.') == std::string_view::npos;
    // The line end after the last row, and blank lines after it, start no row.
    while (!text.empty() && trimmed(text.substr(text.rfind('\n') + 1)).empty()) {
        const auto lineFeed = text.rfind('\n');
        text = lineFeed == std::string_view::npos ? std::string_view() : text.substr(0, lineFeed);
    }
    TableText table;
    std::string field;
    while (!text.empty()) {
        const auto lineFeed = text.find('\n');
        const std::string_view line = text.substr(0, lineFeed);
        text = lineFeed == std::string_view::npos ? std::string_view() : text.substr(lineFeed + 1);
        std::vector<std::optional<double>>& row = table.rows.emplace_back();
        for (const std::string_view cell : fieldsOf(line, separator)) {
            if (cell.empty()) {
                row.emplace_back();
                continue;
            }
            field.assign(cell);
            if (decimalComma) std::replace(field.begin(), field.end(), ',', '.');
            double value = 0;
            if (!tryParseDouble(field, value)) {
                error = notANumber(table.rows.size(), row.size() + 1, cell);
                return {};
            }
            row.emplace_back(value);
        }
    }
    return table;
}

TablePasteOutcome PasteTableText(std::string_view text, GridRows& values, double nodata,
                                 PasteMode mode, CellSelection& selection) {
    TablePasteOutcome outcome;
    if (selection.empty()) return outcome;
    const TableText table = ReadTableText(text, outcome.error);
    if (!outcome.error.empty()) return outcome;
    const long long top = selection.points.front().y;
    const long long left = selection.points.front().x;
    const auto pasted = [&](const std::optional<double>& cell) { return cell && *cell != nodata; };
    // Refused whole before anything is written, so a table too large leaves no half paste.
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            if (!pasted(table.rows[r][c])) continue;
            const long long row = top + static_cast<long long>(r);
            const long long col = left + static_cast<long long>(c);
            if (row > values.rowCount() || col > values.columnCount()) {
                outcome.error = "the table reaches beyond the grid: its row " +
                                std::to_string(r + 1) + ", column " + std::to_string(c + 1) +
                                " would fall on row " + std::to_string(row) + ", column " +
                                std::to_string(col) + " of " + std::to_string(values.rowCount()) +
                                " rows and " + std::to_string(values.columnCount()) + " columns";
                return outcome;
            }
        }
    selection.clear();
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            if (!pasted(table.rows[r][c])) continue;
            const int row = static_cast<int>(top + static_cast<long long>(r));
            const int col = static_cast<int>(left + static_cast<long long>(c));
            CombinePastedValue(values.at(row - 1, col - 1), *table.rows[r][c], mode,
                               outcome.changedCells);
            selection.points.push_back({col, row, -1});
        }
    return outcome;
}
