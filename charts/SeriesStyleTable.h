#pragma once
// The 32 looks that drawn series take in turn: 16 colours at width 1, then the same colours at
// width 2. A series holds one entry while it is drawn; the least used entry is handed out
// next, the earliest among equally used ones.
#include <vector>

struct SeriesStyle {
    unsigned colour = 0;  // 0x00BBGGRR
    int penStyle = 0;     // 0 = solid
    int width = 1;
    int useCount = 0;
};

class SeriesStyleTable {
public:
    SeriesStyleTable();

    int size() const { return static_cast<int>(entries_.size()); }
    const SeriesStyle& entry(int index) const {
        return entries_.at(static_cast<std::size_t>(index));
    }

    // Takes the least used entry (the earliest of equals) and counts its use; returns its index.
    int take();
    // Gives back a use of entry `index`; an index outside the table or an unused entry is
    // left alone.
    void release(int index);

private:
    std::vector<SeriesStyle> entries_;
};
