#pragma once
// How a legend above the plot lays out its entries: as many entries side by side as the
// width holds, the rest wrapped into further rows.
#include <vector>

// The number of columns for entries of the given widths (in their order, filling each row
// from the left) within `availableWidth` pixels, with `spacing` pixels between columns. A
// column is as wide as its widest entry. At least 1, at most the number of entries (1 when
// there are none).
int legendColumnCount(const std::vector<int>& entryWidths, int availableWidth, int spacing);
