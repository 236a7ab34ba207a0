// Pastes arbitrary clipboard text as a table into a small level. Whatever the text, a refused
// table changes nothing, a pasted one writes only cells it selects, inside the level, and the
// select-only mode never changes a value. A copy of the level's cells as a table reads back as
// the same values. The first two bytes choose the paste mode and the selected cell.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "PasteFuzzing.h"
#include "TableClipboardText.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    writeSeedsWhenAsked(*argc, *argv, [] {
        return FuzzSeeds{pasteSeed("tabs", 1, "1\t2.5\t\n\t-3\t4e2\n"),
                         pasteSeed("crlf", 1, "1\t2\r\n3\t4\r\n"),
                         pasteSeed("decimal_comma", 1, "1,5;;2\n3;4,25;\n"),
                         pasteSeed("blanks", 1, "  1   2 +3\n\n-4\n"),
                         pasteSeed("words", 1, "x\ty\n1\t2\n"),
                         pasteSeed("too_wide", 1, "1 2 3 4 5 6 7 8 9 10 11\n")};
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const auto mode = static_cast<PasteMode>(data[0] % 6 + 1);
    PasteLevel level(data[1]);
    const CellSelection selectedBefore = level.selection;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    const TablePasteOutcome outcome =
        PasteTableText(text, level.values, PasteLevel::Nodata, mode, level.selection);

    const bool changed = level.checkChangesSelected();
    if (!outcome.error.empty())
        check(!outcome.changedCells && !changed && level.selection.points == selectedBefore.points);
    if (mode == PasteMode::SelectOnly) check(!outcome.changedCells && !changed);
    if (changed) check(outcome.changedCells);

    // The whole level copied as a table reads back cell for cell, nodata as empty. (A paste
    // may overflow to an infinite value, which a table cannot hold as a number.)
    for (int i = 0; i < PasteLevel::Rows * PasteLevel::Columns; ++i)
        if (!std::isfinite(level.values.data()[i])) return 0;
    CellSelection all;
    for (int r = 1; r <= PasteLevel::Rows; ++r)
        for (int c = 1; c <= PasteLevel::Columns; ++c) all.points.push_back({c, r, -1});
    std::string error;
    const TableText table =
        ReadTableText(CopyTableText(all, level.values, PasteLevel::Nodata), error);
    check(error.empty() && table.rows.size() == PasteLevel::Rows);
    for (int r = 0; r < PasteLevel::Rows; ++r)
        for (int c = 0; c < PasteLevel::Columns; ++c) {
            const double v = level.values.at(r, c);
            const auto& cell = table.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            check(v == PasteLevel::Nodata ? !cell : cell && *cell == v);
        }
    return 0;
}
