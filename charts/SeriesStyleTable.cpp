#include "SeriesStyleTable.h"

#include <algorithm>

namespace {

// Red, blue, green, black, fuchsia, aqua, lime, gray, purple, navy, olive, silver, gray,
// maroon, teal, silver.
constexpr unsigned colours[16] = {0x0000FF, 0xFF0000, 0x008000, 0x000000, 0xFF00FF, 0xFFFF00,
                                  0x00FF00, 0x808080, 0x800080, 0x800000, 0x008080, 0xC0C0C0,
                                  0x808080, 0x000080, 0x808000, 0xC0C0C0};

}  // namespace

SeriesStyleTable::SeriesStyleTable() {
    for (int width = 1; width <= 2; ++width) {
        for (const unsigned colour : colours) entries_.push_back({colour, 0, width, 0});
    }
}

int SeriesStyleTable::take() {
    const auto least = std::min_element(
        entries_.begin(), entries_.end(),
        [](const SeriesStyle& a, const SeriesStyle& b) { return a.useCount < b.useCount; });
    ++least->useCount;
    return static_cast<int>(least - entries_.begin());
}

void SeriesStyleTable::release(int index) {
    if (index < 0 || index >= size()) return;
    SeriesStyle& style = entries_[static_cast<std::size_t>(index)];
    if (style.useCount > 0) --style.useCount;
}
