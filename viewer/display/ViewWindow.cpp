#include "ViewWindow.h"

#include <algorithm>
#include <cmath>

namespace {

// floor(count * pixel / size) in floating point.
int cellOffset(int count, int pixel, int size) {
    return static_cast<int>(std::floor(static_cast<double>(count) * pixel / size));
}

// floor(size * offset / count) in floating point.
int pixelOffset(int size, int offset, int count) {
    return static_cast<int>(std::floor(static_cast<double>(size) * offset / count));
}

// One axis of the clamp: first and last (exclusive) against the grid's extent.
void clampAxis(int& first, int& last, double extent) {
    if (first < 0) {
        last -= first;
        first = 0;
    }
    if (last > extent) {
        first = static_cast<int>(first - (last - extent));
        last = static_cast<int>(extent);
    }
    if (first < 0) first = 0;
}

int shiftOf(int extent) { return std::max(1, static_cast<int>(std::ceil(extent / 3.0))); }

}  // namespace

int ViewWindow::columnAt(int x) const {
    if (DrawWidth == 0) return FirstCol;
    return cellOffset(columnCount(), x, DrawWidth) + FirstCol;
}

int ViewWindow::rowAt(int y) const {
    if (DrawHeight == 0) return FirstRow;
    return cellOffset(rowCount(), y, DrawHeight) + FirstRow;
}

int ViewWindow::columnLeft(int column) const {
    if (columnCount() == 0) return 0;
    return pixelOffset(DrawWidth, column - FirstCol, columnCount());
}

int ViewWindow::rowTop(int row) const {
    if (rowCount() == 0) return 0;
    return pixelOffset(DrawHeight, row - FirstRow, rowCount());
}

void FitPage(ViewWindow& window, double nrows, double ncols) {
    window.FirstRow = 0;
    window.LastRow = static_cast<int>(nrows);
    window.FirstCol = 0;
    window.LastCol = static_cast<int>(ncols);
}

void ClampWindow(ViewWindow& window, double nrows, double ncols) {
    clampAxis(window.FirstRow, window.LastRow, nrows);
    clampAxis(window.FirstCol, window.LastCol, ncols);
}

void ShiftWindow(ViewWindow& window, ShiftDirection direction, double nrows, double ncols) {
    switch (direction) {
        case ShiftDirection::Left: {
            const int n = shiftOf(window.columnCount());
            window.FirstCol -= n;
            window.LastCol -= n;
            break;
        }
        case ShiftDirection::Right: {
            const int n = shiftOf(window.columnCount());
            window.FirstCol += n;
            window.LastCol += n;
            break;
        }
        case ShiftDirection::Up: {
            const int n = shiftOf(window.rowCount());
            window.FirstRow -= n;
            window.LastRow -= n;
            break;
        }
        case ShiftDirection::Down: {
            const int n = shiftOf(window.rowCount());
            window.FirstRow += n;
            window.LastRow += n;
            break;
        }
    }
    ClampWindow(window, nrows, ncols);
}
