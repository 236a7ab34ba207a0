#include "CellClipboardText.h"

#include "NumberText.h"

std::string CopyCellsText(const CellSelection& selection, const GridRows& values) {
    std::string text;
    text.reserve(selection.points.size() * 16);
    int previousRow = 0;
    bool first = true;
    for (const myPoint& point : selection.points) {
        if (point.y != previousRow && !first) text += '\n';
        text += std::to_string(point.y);
        text += ':';
        text += std::to_string(point.x);
        text += ':';
        text += formatGeneral15(values.at(point.y - 1, point.x - 1)).toStdString();
        text += ';';
        previousRow = point.y;
        first = false;
    }
    return text;
}

namespace {

// The paste stops at an item it cannot read or place.
struct PasteStop {};

long long readInt(std::string_view text) {
    int value = 0;
    if (!tryParseInt(text, value)) throw PasteStop();
    return value;
}

double readValue(std::string_view text) {
    double value = 0;
    if (!tryParseDouble(text, value)) throw PasteStop();
    return value;
}

// The text after the last line feed, and whether there was one.
bool dropThroughLineFeed(std::string_view& item) {
    const auto lineFeed = item.rfind('\n');
    if (lineFeed == std::string_view::npos) return false;
    item.remove_prefix(lineFeed + 1);
    return true;
}

struct CoordinateItem {
    long long row;
    long long col;
    std::string_view value;
};

CoordinateItem readCoordinateItem(std::string_view item) {
    dropThroughLineFeed(item);
    const auto first = item.find(':');
    if (first == std::string_view::npos) throw PasteStop();
    const auto second = item.find(':', first + 1);
    if (second == std::string_view::npos) throw PasteStop();
    return {readInt(item.substr(0, first)), readInt(item.substr(first + 1, second - first - 1)),
            item.substr(item.rfind(':') + 1)};
}

}  // namespace

void CombinePastedValue(double& cell, double value, PasteMode mode, bool& changed) {
    switch (mode) {
        case PasteMode::Replace:
            cell = value;
            break;
        case PasteMode::Add:
            cell += value;
            break;
        case PasteMode::Subtract:
            cell -= value;
            break;
        case PasteMode::Multiply:
            cell *= value;
            break;
        case PasteMode::Divide:
            if (value == 0.0) return;
            cell /= value;
            break;
        case PasteMode::SelectOnly:
            return;
    }
    changed = true;
}

PasteOutcome PasteCellsText(std::string_view text, GridRows& values, double nodata, PasteMode mode,
                            CellSelection& selection) {
    PasteOutcome outcome;
    long long anchorRow = -1;
    long long anchorCol = -1;
    try {
        if (!selection.empty()) {
            anchorRow = selection.points.front().y;
            anchorCol = selection.points.front().x;
        } else if (text.find(':') != std::string_view::npos) {
            const CoordinateItem first = readCoordinateItem(text.substr(0, text.find(';')));
            anchorRow = first.row;
            anchorCol = first.col;
        }
    } catch (const PasteStop&) {
        outcome.failed = true;
        return outcome;
    }
    selection.clear();
    if (anchorRow < 0 || anchorCol < 0) return outcome;

    long long dRow = 0;
    long long dCol = 0;
    bool first = true;
    long long blockRow = anchorRow;
    long long blockCol = anchorCol;
    const long long blockStartCol = anchorCol;
    try {
        while (!text.empty()) {
            const auto end = text.find(';');
            if (end == std::string_view::npos) {
                // The line break that spreadsheets and editors leave after the last item is
                // no item.
                if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) break;
                throw PasteStop();
            }
            std::string_view item = text.substr(0, end);
            text.remove_prefix(end + 1);

            long long row = 0;
            long long col = 0;
            std::string_view valueText;
            if (item.find(':') != std::string_view::npos) {
                const CoordinateItem coordinates = readCoordinateItem(item);
                if (first) {
                    dRow = anchorRow - coordinates.row;
                    dCol = anchorCol - coordinates.col;
                    first = false;
                }
                row = coordinates.row + dRow;
                col = coordinates.col + dCol;
                valueText = coordinates.value;
            } else {
                if (dropThroughLineFeed(item)) {
                    ++blockRow;
                    blockCol = blockStartCol;
                }
                row = blockRow + dRow;
                col = blockCol + dCol;
                ++blockCol;
                valueText = item;
            }
            const double value = readValue(valueText);
            if (value == nodata) continue;
            if (row < 1 || row > values.rowCount() || col < 1 || col > values.columnCount())
                throw PasteStop();
            CombinePastedValue(values.at(static_cast<int>(row) - 1, static_cast<int>(col) - 1),
                               value, mode, outcome.changedCells);
            selection.points.push_back({static_cast<int>(col), static_cast<int>(row), -1});
        }
    } catch (const PasteStop&) {
        outcome.failed = true;
    }
    return outcome;
}
