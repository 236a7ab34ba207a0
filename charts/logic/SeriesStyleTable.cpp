#include "SeriesStyleTable.h"

#include <algorithm>

namespace {

// Red, blue, green, black, fuchsia, aqua, lime, gray, purple, navy, olive, silver, gray,
// maroon, teal, silver (gray and silver twice, as users know the table).
constexpr std::array<std::uint32_t, 16> Colours = {
    0x0000FF, 0xFF0000, 0x008000, 0x000000, 0xFF00FF, 0xFFFF00, 0x00FF00, 0x808080,
    0x800080, 0x800000, 0x008080, 0xC0C0C0, 0x808080, 0x000080, 0x808000, 0xC0C0C0};

}  // namespace

SeriesStyleTable::SeriesStyleTable() {
    for (int i = 0; i < EntryCount; ++i) {
        entries_[i].colour = Colour(Colours[i % Colours.size()]);
        entries_[i].width = i < EntryCount / 2 ? 1 : 2;
    }
}

int SeriesStyleTable::leastUsed() const {
    // The first entry with the smallest count is the first one found when the level of use
    // rises from 0: least used first, earliest among equals.
    const auto least = std::min_element(
        entries_.begin(), entries_.end(),
        [](const SeriesStyle& a, const SeriesStyle& b) { return a.useCount < b.useCount; });
    return static_cast<int>(least - entries_.begin());
}

int SeriesStyleTable::take() {
    const int index = leastUsed();
    ++entries_[index].useCount;
    return index;
}

void SeriesStyleTable::release(int index) {
    if (index < 0 || index >= EntryCount) return;
    if (entries_[index].useCount > 0) --entries_[index].useCount;
}

const SeriesStyle& SeriesStyleTable::entry(int index) const {
    return index >= 0 && index < EntryCount ? entries_[index] : entries_[0];
}
