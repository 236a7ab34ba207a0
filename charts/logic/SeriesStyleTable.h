#pragma once
// The 32 default looks of chart lines, shared by every series of the program. Entries 0 to 15
// are solid lines of width 1 in sixteen colours, entries 16 to 31 the same colours at width 2.
// An attached series holds one entry; the table hands out the least used entry first, the
// earliest among equally used ones, so the first 32 series get 32 different looks and a
// freed entry is reused before any other.
#include <array>

#include "Colour.h"

struct SeriesStyle {
    Colour colour;
    int penStyle = 0;  // 0 solid, 1 dashes, 2 dots, 3 dash-dots, 4 dash-dot-dots
    int width = 1;
    int useCount = 0;
};

class SeriesStyleTable {
public:
    static constexpr int EntryCount = 32;

    SeriesStyleTable();

    // The entry that take() would hand out.
    int leastUsed() const;
    // Hands out the least used entry: its use count grows by one. Returns its index.
    int take();
    // Gives an entry back: its use count drops by one when above 0. An index outside the
    // table (a series that never held one) does nothing.
    void release(int index);

    // The entry at index (0..31); entry 0 for an index outside the table.
    const SeriesStyle& entry(int index) const;

private:
    std::array<SeriesStyle, EntryCount> entries_;
};
