#pragma once
#include <vector>

// One selected cell: 0-based column and row, and its position along the profile.
struct myPoint {
    int col = 0;
    int row = 0;
    double position = 0;
};

// The selected cells in selection order.
struct CellSelection {
    std::vector<myPoint> points;

    bool empty() const { return points.empty(); }
    void clear() { points.clear(); }
};
