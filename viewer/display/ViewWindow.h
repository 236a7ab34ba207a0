#pragma once

// The shown part of the grid: rows FirstRow .. LastRow - 1 and columns FirstCol .. LastCol - 1,
// and the size in pixels of the picture the last paint drew (DrawWidth x DrawHeight). It converts
// between pixels and cells: row 0 is at the top of the picture.
struct ViewWindow {
    int FirstRow = 0;
    int LastRow = 0;
    int FirstCol = 0;
    int LastCol = 0;
    int DrawWidth = 0;
    int DrawHeight = 0;

    int rowCount() const { return LastRow - FirstRow; }
    int columnCount() const { return LastCol - FirstCol; }
    bool isEmpty() const { return rowCount() <= 0 || columnCount() <= 0; }
    // A picture has been painted, so pixels can be mapped to cells.
    bool hasPicture() const { return DrawWidth != 0 && DrawHeight != 0; }

    // The 0-based column and row under a pixel: floor(columns * x / DrawWidth) + FirstCol, in
    // floating point. Without a picture the first column or row.
    int columnAt(int x) const;
    int rowAt(int y) const;

    // The pixels [begin, end) that a column or row covers; empty for a merged one.
    int columnLeft(int column) const;
    int columnRight(int column) const { return columnLeft(column + 1); }
    int rowTop(int row) const;
    int rowBottom(int row) const { return rowTop(row + 1); }

    bool sameCells(const ViewWindow& other) const {
        return FirstRow == other.FirstRow && LastRow == other.LastRow &&
               FirstCol == other.FirstCol && LastCol == other.LastCol;
    }
};

// The whole grid: rows 0..nrows, columns 0..ncols (header values truncated); the picture size
// stays until the next paint.
void FitPage(ViewWindow& window, double nrows, double ncols);

// Moves a window that reaches beyond the grid back inside, keeping its size; a window larger
// than the grid is cut to it. Rows first, then columns.
void ClampWindow(ViewWindow& window, double nrows, double ncols);

enum class ShiftDirection { Left, Up, Right, Down };

// Shifts the window by a third of its extent in that direction (at least one cell), then
// clamps it, so a shift at the border stops there and the window never shrinks.
void ShiftWindow(ViewWindow& window, ShiftDirection direction, double nrows, double ncols);
