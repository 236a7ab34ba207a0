#pragma once
// The small level the clipboard paste harnesses paste into, and the checks they share.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "CellClipboardText.h"
#include "FuzzSeeds.h"

inline void check(bool condition) {
    if (!condition) std::abort();
}

// A harness input: the paste mode byte, the selected cell byte (0: no cell), then the text.
inline FuzzSeed pasteSeed(const char* name, char selectedCell, std::string_view text) {
    return {name, QByteArray("\x00", 1) + selectedCell +
                      QByteArray(text.data(), static_cast<qsizetype>(text.size()))};
}

// 7 x 9 cells, every fifth one nodata, with a copy of how they were and the selection the
// second input byte asks for.
struct PasteLevel {
    static constexpr int Rows = 7;
    static constexpr int Columns = 9;
    static constexpr double Nodata = -9999;

    explicit PasteLevel(std::uint8_t selectedCell) {
        for (int i = 0; i < Rows * Columns; ++i)
            values.data()[i] = before.data()[i] = i % 5 == 0 ? Nodata : i * 0.5;
        if (selectedCell != 0)
            selection.points.push_back(
                {selectedCell % Columns + 1, selectedCell / Columns % Rows + 1, 3});
    }

    // Checks that every selected cell lies inside the level and every changed cell is selected;
    // true when some cell changed.
    bool checkChangesSelected() const {
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
                check(selected);
            }
        return changed;
    }

    GridRows values{Rows, Columns};
    GridRows before{Rows, Columns};
    CellSelection selection;
};
