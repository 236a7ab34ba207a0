#include "Zoom.h"

#include <cmath>

#include "GridPaint.h"

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

// The zoomed window of ZoomWindow before it is clamped into the grid; without matching the
// box's shape, the window keeps its own.
ViewWindow zoomedAroundPixel(const ViewWindow& window, ZoomDirection direction, int x, int y,
                             int boxWidth, int boxHeight, bool matchBoxShape) {
    const double factor = direction == ZoomDirection::In ? 0.1 * 4.0 : 0.1 * 7.0;
    const int rows = window.rowCount();
    const int columns = window.columnCount();

    // The centre cell, 1-based.
    const int centreCol = window.columnAt(x) + 1;
    const int centreRow = window.rowAt(y) + 1;

    int halfRows = static_cast<int>(rows * factor);
    int halfCols = static_cast<int>(columns * factor);
    if (matchBoxShape && boxWidth > boxHeight)
        halfRows =
            static_cast<int>(std::ceil(static_cast<double>(boxHeight) * halfCols / boxWidth));
    else if (matchBoxShape)
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
    return zoomed;
}

bool canZoom(const ViewWindow& window, int boxWidth, int boxHeight, double nrows, double ncols) {
    return window.hasPicture() && boxWidth > 0 && boxHeight > 0 && nrows >= 1 && ncols >= 1;
}

// Moves an axis of `count` cells so that the cell `pointed` is the one at `offset` from its
// first cell.
void placeAxis(int& first, int& last, int pointed, int offset) {
    const int count = last - first;
    first = pointed - offset;
    last = first + count;
}

}  // namespace

void ZoomWindow(ViewWindow& window, ZoomDirection direction, int x, int y, int boxWidth,
                int boxHeight, double nrows, double ncols) {
    if (!canZoom(window, boxWidth, boxHeight, nrows, ncols)) return;
    ViewWindow zoomed = zoomedAroundPixel(window, direction, x, y, boxWidth, boxHeight, true);
    ClampWindow(zoomed, nrows, ncols);
    window = zoomed;
}

void ZoomWindowKeepingPointedCell(ViewWindow& window, ZoomDirection direction, int x, int y,
                                  int boxWidth, int boxHeight, double nrows, double ncols) {
    if (!canZoom(window, boxWidth, boxHeight, nrows, ncols)) return;
    // The window keeps its shape, so the picture keeps its size: matched to the box, a window
    // shown whole in a part of the box would have to reach beyond the grid to keep the cell.
    ViewWindow zoomed = zoomedAroundPixel(window, direction, x, y, boxWidth, boxHeight, false);
    // The picture of the new window decides which of its cells lies under the pixel.
    ViewWindow picture = zoomed;
    FitWindow(picture, boxWidth, boxHeight);
    if (picture.hasPicture()) {
        placeAxis(zoomed.FirstCol, zoomed.LastCol, window.columnAt(x),
                  picture.columnAt(x) - picture.FirstCol);
        placeAxis(zoomed.FirstRow, zoomed.LastRow, window.rowAt(y),
                  picture.rowAt(y) - picture.FirstRow);
    }
    ClampWindow(zoomed, nrows, ncols);
    window = zoomed;
}
