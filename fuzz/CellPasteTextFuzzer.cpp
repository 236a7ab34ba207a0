// Pastes arbitrary clipboard text into a small level. Whatever the text, the paste writes only
// inside the level, changes only cells it selects, selects at most one cell per item and never
// changes a value in the select-only mode. The first two bytes choose the paste mode and
// whether a cell is selected before, and which.
#include <cstdint>
#include <string_view>

#include "PasteFuzzing.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    writeSeedsWhenAsked(*argc, *argv, [] {
        return FuzzSeeds{
            pasteSeed("copied_block", 0, "2:2:12.5;2:3:-9999;\n3:2:0.333333333333333;"),
            pasteSeed("value_rows", 0, "1;2;\n3;4;"),
            pasteSeed("crlf_rows", 0, "1.5E-7;2;\r\n3;4e3;"),
            pasteSeed("mixed", 0, "1;3:4:5;\n6;"),
            pasteSeed("trailing_line_feed", 0, "1:1:5;\n"),
            pasteSeed("far_away", 0, "2147483647:1:5;-2147483648:2:6;")};
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const auto mode = static_cast<PasteMode>(data[0] % 6 + 1);
    PasteLevel level(data[1]);
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    const PasteOutcome outcome =
        PasteCellsText(text, level.values, PasteLevel::Nodata, mode, level.selection);

    std::size_t items = 0;
    for (char c : text) items += c == ';';
    check(level.selection.points.size() <= items ||
          (outcome.failed && level.selection.points.size() <= 1));
    const bool changed = level.checkChangesSelected();
    if (mode == PasteMode::SelectOnly) check(!outcome.changedCells && !changed);
    if (changed) check(outcome.changedCells);
    return 0;
}
