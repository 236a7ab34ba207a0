// Pastes arbitrary clipboard text into a small level. Whatever the text, the paste writes only
// inside the level, changes only cells it selects, selects at most one cell per item and never
// changes a value in the select-only mode. The first two bytes choose the paste mode and
// whether a cell is selected before, and which.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "CellClipboardText.h"
#include "FuzzSeeds.h"

namespace {

constexpr int Rows = 7;
constexpr int Columns = 9;
constexpr double Nodata = -9999;

void check(bool condition) {
    if (!condition) std::abort();
}

FuzzSeed seed(const char* name, std::string_view text) {
    return {name, QByteArray("\x00\x00", 2) + QByteArray(text.data(), qsizetype(text.size()))};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    writeSeedsWhenAsked(*argc, *argv, [] {
        return FuzzSeeds{seed("copied_block", "2:2:12.5;2:3:-9999;\n3:2:0.333333333333333;"),
                         seed("value_rows", "1;2;\n3;4;"),
                         seed("crlf_rows", "1.5E-7;2;\r\n3;4e3;"),
                         seed("mixed", "1;3:4:5;\n6;"),
                         seed("trailing_line_feed", "1:1:5;\n"),
                         seed("far_away", "2147483647:1:5;-2147483648:2:6;")};
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const auto mode = static_cast<PasteMode>(data[0] % 6 + 1);
    GridRows values(Rows, Columns, 1.0);
    GridRows before(Rows, Columns, 1.0);
    for (int i = 0; i < Rows * Columns; ++i) {
        const double value = i % 5 == 0 ? Nodata : i * 0.5;
        values.data()[i] = value;
        before.data()[i] = value;
    }
    CellSelection selection;
    if (data[1] != 0)
        selection.points.push_back({data[1] % Columns + 1, data[1] / Columns % Rows + 1, 3});

    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    const PasteOutcome outcome = PasteCellsText(text, values, Nodata, mode, selection);

    std::size_t items = 0;
    for (char c : text) items += c == ';';
    check(selection.points.size() <= items || (outcome.failed && selection.points.size() <= 1));
    for (const myPoint& point : selection.points) {
        check(point.x >= 1 && point.x <= Columns && point.y >= 1 && point.y <= Rows);
    }
    bool changed = false;
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            const double now = values.at(r, c);
            const double old = before.at(r, c);
            if (now == old || (now != now && old != old)) continue;
            changed = true;
            bool selected = false;
            for (const myPoint& point : selection.points)
                selected = selected || (point.x == c + 1 && point.y == r + 1);
            check(selected);
        }
    }
    if (mode == PasteMode::SelectOnly) check(!outcome.changedCells && !changed);
    if (changed) check(outcome.changedCells);
    return 0;
}
