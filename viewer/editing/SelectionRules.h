#pragma once
#include <vector>

// What a mouse press on the picture does, decided from the button and the modifier keys in
// this order: Alt with the left button zooms (out with Shift, in without) unless Ctrl is held;
// any other button, or Alt, does nothing; then Ctrl alone toggles a cell, Shift alone selects a
// rectangle, neither starts a new single selection and both select a line.
enum class MouseDownCommand { ZoomOut, ZoomIn, Ignore, Toggle, Rectangle, Single, Line };

MouseDownCommand mouseDownCommand(bool leftButton, bool shift, bool ctrl, bool alt);

// A cell by 1-based column and row.
struct GridCell {
    int col = 0;
    int row = 0;
    bool operator==(const GridCell&) const = default;
};

// The cells of the rectangle from the anchor to `to`, row by row from the anchor's row towards
// `to`'s, each row from the anchor's column towards `to`'s, without the anchor itself.
std::vector<GridCell> rectangleCells(GridCell anchor, GridCell to);

// The cells of the straight line from the anchor to `to`, without the anchor. Along a row or a
// column every cell; otherwise one cell per row (steep lines) or per column, the other
// coordinate rounded with floor(offset + 0.4999), so that an exact half rounds down.
std::vector<GridCell> lineCells(GridCell anchor, GridCell to);
