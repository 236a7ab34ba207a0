#include "SelectionRules.h"

#include <cmath>
#include <cstdlib>

MouseDownCommand mouseDownCommand(bool leftButton, bool shift, bool ctrl, bool alt) {
    if (leftButton && alt && !ctrl)
        return shift ? MouseDownCommand::ZoomOut : MouseDownCommand::ZoomIn;
    if (!leftButton || alt) return MouseDownCommand::Ignore;
    if (ctrl && !shift) return MouseDownCommand::Toggle;
    if (shift && !ctrl) return MouseDownCommand::Rectangle;
    if (!shift && !ctrl) return MouseDownCommand::Single;
    return MouseDownCommand::Line;
}

namespace {

int stepTowards(int from, int to) { return to >= from ? 1 : -1; }

int roundedOffset(double offset) { return static_cast<int>(std::floor(offset + 0.4999)); }

}  // namespace

std::vector<GridCell> rectangleCells(GridCell anchor, GridCell to) {
    const int dr = stepTowards(anchor.row, to.row);
    const int dc = stepTowards(anchor.col, to.col);
    std::vector<GridCell> cells;
    cells.reserve(static_cast<std::size_t>(std::abs(to.row - anchor.row) + 1) *
                  static_cast<std::size_t>(std::abs(to.col - anchor.col) + 1));
    for (int r = anchor.row;; r += dr) {
        for (int c = anchor.col;; c += dc) {
            if (r != anchor.row || c != anchor.col) cells.push_back({c, r});
            if (c == to.col) break;
        }
        if (r == to.row) break;
    }
    return cells;
}

std::vector<GridCell> lineCells(GridCell anchor, GridCell to) {
    const int dr = stepTowards(anchor.row, to.row);
    const int dc = stepTowards(anchor.col, to.col);
    std::vector<GridCell> cells;
    if (to.row == anchor.row) {
        for (int c = anchor.col; c != to.col;) {
            c += dc;
            cells.push_back({c, anchor.row});
        }
    } else if (to.col == anchor.col) {
        for (int r = anchor.row; r != to.row;) {
            r += dr;
            cells.push_back({anchor.col, r});
        }
    } else {
        const double rows = to.row - anchor.row;
        const double cols = to.col - anchor.col;
        const double slope = rows / cols;
        if (std::fabs(slope) > 1.0) {
            for (int r = anchor.row; r != to.row;) {
                r += dr;
                cells.push_back({anchor.col + roundedOffset((r - anchor.row) * cols / rows), r});
            }
        } else {
            for (int c = anchor.col; c != to.col;) {
                c += dc;
                cells.push_back({c, anchor.row + roundedOffset((c - anchor.col) * slope)});
            }
        }
    }
    return cells;
}
