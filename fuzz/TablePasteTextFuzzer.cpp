// Pastes arbitrary clipboard text as a table into a small level. Whatever the text, a refused
// table changes nothing, a pasted one writes only cells it selects, inside the level, and the
// select-only mode never changes a value. A copy of the level's cells as a table reads back as
// the same values. The first two bytes choose the paste mode and the selected cell.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FuzzSeeds.h"
#include "TableClipboardText.h"

namespace {

constexpr int Rows = 7;
constexpr int Columns = 9;
constexpr double Nodata = -9999;

void check(bool condition) {
    if (!condition) std::abort();
}

FuzzSeed seed(const char* name, std::string_view text) {
    return {name, QByteArray("\x00\x01", 2) + QByteArray(text.data(), qsizetype(text.size()))};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    writeSeedsWhenAsked(*argc, *argv, [] {
        return FuzzSeeds{seed("tabs", "1\t2.5\t\n\t-3\t4e2\n"),
                         seed("crlf", "1\t2\r\n3\t4\r\n"),
                         seed("decimal_comma", "1,5;;2\n3;4,25;\n"),
                         seed("blanks", "  1   2 +3\n\n-4\n"),
                         seed("words", "x\ty\n1\t2\n"),
                         seed("too_wide", "1 2 3 4 5 6 7 8 9 10 11\n")};
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const auto mode = static_cast<PasteMode>(data[0] % 6 + 1);
    GridRows values(Rows, Columns);
    GridRows before(Rows, Columns);
    for (int i = 0; i < Rows * Columns; ++i)
        values.data()[i] = before.data()[i] = i % 5 == 0 ? Nodata : i * 0.5;
    CellSelection selection;
    if (data[1] != 0)
        selection.points.push_back({data[1] % Columns + 1, data[1] / Columns % Rows + 1, 3});
    const CellSelection selectedBefore = selection;

    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    const TablePasteOutcome outcome = PasteTableText(text, values, Nodata, mode, selection);

    if (!outcome.error.empty()) {
        check(!outcome.changedCells);
        check(selection.points == selectedBefore.points);
    }
    for (const myPoint& point : selection.points)
        check(point.x >= 1 && point.x <= Columns && point.y >= 1 && point.y <= Rows);
    bool changed = false;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c) {
            const double now = values.at(r, c);
            const double old = before.at(r, c);
            if (now == old || (now != now && old != old)) continue;
            changed = true;
            bool selected = false;
            for (const myPoint& point : selection.points)
                selected = selected || (point.x == c + 1 && point.y == r + 1);
            check(selected && outcome.error.empty());
        }
    if (mode == PasteMode::SelectOnly) check(!outcome.changedCells && !changed);
    if (changed) check(outcome.changedCells);

    // The whole level copied as a table reads back cell for cell, nodata as empty. (A paste
    // may overflow to an infinite value, which a table cannot hold as a number.)
    for (int i = 0; i < Rows * Columns; ++i)
        if (!std::isfinite(values.data()[i])) return 0;
    CellSelection all;
    for (int r = 1; r <= Rows; ++r)
        for (int c = 1; c <= Columns; ++c) all.points.push_back({c, r, -1});
    std::string error;
    const TableText table = ReadTableText(CopyTableText(all, values, Nodata), error);
    check(error.empty() && table.rows.size() == Rows);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c) {
            const double v = values.at(r, c);
            const auto& cell = table.rows[r][c];
            check(v == Nodata ? !cell : cell && *cell == v);
        }
    return 0;
}
