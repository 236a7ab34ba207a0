#pragma once
#include <vector>

// One selected cell: 1-based column x and row y, and the 1-based position of the point it
// added to the profile series (-1 when it added none, a nodata cell or a pasted one).
// Two points are the same cell when x and y agree; the position takes no part.
struct myPoint {
    int x = 0;
    int y = 0;
    int position = -1;

    bool operator==(const myPoint& other) const { return x == other.x && y == other.y; }
};

// The selected cells in selection order; the same cell may appear more than once.
struct CellSelection {
    std::vector<myPoint> points;

    bool empty() const { return points.empty(); }
    void clear() { points.clear(); }
};
