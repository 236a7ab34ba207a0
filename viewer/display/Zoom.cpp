#include "Zoom.h"

#include <cmath>

namespace {

// Widens an axis by 2 on each side.
void widen(int& first, int& last) {
    first -= 2;
    last += 2;
}

// An axis left without cells gets the centre cell (1-based `centre`), widened when
// zooming out.
void keepCentre(int& first, int& last, int centre, ZoomDirection direction) {
    first = centre - 1;
    last = centre;
    if (direction == ZoomDirection::Out) widen(first, last);
}

}  // namespace

void ZoomWindow(ViewWindow& window, ZoomDirection direction, int x, int y, int boxWidth,
                int boxHeight, double nrows, double ncols) {
    if (!window.hasPicture() || boxWidth <= 0 || boxHeight <= 0 || nrows < 1 || ncols < 1) return;
    const double factor = direction == ZoomDirection::In ? 0.1 * 4.0 : 0.1 * 7.0;
    const int rows = window.rowCount();
    const int columns = window.columnCount();

    // The centre cell, 1-based.
    const int centreCol = window.columnAt(x) + 1;
    const int centreRow = window.rowAt(y) + 1;

    int halfRows = static_cast<int>(rows * factor);
    int halfCols = static_cast<int>(columns * factor);
    if (boxWidth > boxHeight)
        halfRows =
            static_cast<int>(std::ceil(static_cast<double>(boxHeight) * halfCols / boxWidth));
    else
        halfCols =
            static_cast<int>(std::ceil(static_cast<double>(boxWidth) * halfRows / boxHeight));

    ViewWindow zoomed = window;
    zoomed.FirstRow = centreRow - halfRows;
    zoomed.FirstCol = centreCol - halfCols;
    zoomed.LastRow = centreRow + halfRows;
    zoomed.LastCol = centreCol + halfCols;
    if (zoomed.rowCount() == rows || zoomed.columnCount() == columns) {
        widen(zoomed.FirstRow, zoomed.LastRow);
        widen(zoomed.FirstCol, zoomed.LastCol);
    }
    if (zoomed.rowCount() <= 0) keepCentre(zoomed.FirstRow, zoomed.LastRow, centreRow, direction);
    if (zoomed.columnCount() <= 0)
        keepCentre(zoomed.FirstCol, zoomed.LastCol, centreCol, direction);
    ClampWindow(zoomed, nrows, ncols);
    window = zoomed;
}
