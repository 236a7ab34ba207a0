#include "LegendColumns.h"

#include <algorithm>

namespace {

long long widthWithColumns(const std::vector<int>& widths, int columns, int spacing) {
    long long total = static_cast<long long>(columns - 1) * spacing;
    for (int column = 0; column < columns; ++column) {
        int widest = 0;
        for (std::size_t i = static_cast<std::size_t>(column); i < widths.size();
             i += static_cast<std::size_t>(columns))
            widest = std::max(widest, widths[i]);
        total += widest;
    }
    return total;
}

}  // namespace

int legendColumnCount(const std::vector<int>& entryWidths, int availableWidth, int spacing) {
    const int count = static_cast<int>(entryWidths.size());
    if (count < 2) return 1;
    // No more columns than entries of the narrowest width fit side by side.
    const int narrowest = std::max(1, *std::min_element(entryWidths.begin(), entryWidths.end()));
    const long long most =
        (static_cast<long long>(availableWidth) + spacing) / (narrowest + spacing);
    // More columns are wider as a rule, but not always (a wide entry may move to a narrower
    // column), so every count up to that bound is tried, the largest first.
    for (int columns = static_cast<int>(std::min<long long>(count, most)); columns > 1; --columns)
        if (widthWithColumns(entryWidths, columns, spacing) <= availableWidth) return columns;
    return 1;
}
