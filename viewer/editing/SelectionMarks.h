#pragma once
#include <QImage>

#include "CellSelection.h"
#include "CellSelector.h"
#include "Colour.h"
#include "ColourMapping.h"
#include "GridPaint.h"
#include "GridRows.h"
#include "ViewWindow.h"

inline constexpr Colour SelectionFrameColour{0x008000};

// What the marks need to know of the picture besides the cells.
struct MarkSettings {
    Colour ButtonFace{0xF0F0F0};  // the colour of nodata cells
    bool DrawGridLines = false;
};

// Draws selection marks straight into the picture that the grid painting keeps, so they show at
// once and stay until the next repaint, which draws them again. With sx and sy the cell sizes
// in pixels (DrawWidth / columns, DrawHeight / rows) and a cell's colour as the painting gives
// it (button face for nodata):
//
// - a mark covers the cell from left = trunc(offset * sx) to right = trunc(left + sx) - 1 (and
//   likewise in y), at least 2 x 2 pixels: a green frame two pixels wide around the cell's
//   colour;
// - an unmark fills from left = trunc(offset * sx - 1) to trunc(left + sx) + 1 (exclusive),
//   one pixel beyond the cell on the left and top, and at least over the whole mark, with the
//   cell's colour, framed in the grid-line colours when grid lines are on.
//
// Pixels outside the picture are left alone. The picture must be RGB32 (the painting's format).
class SelectionMarks : public SelectionPainter {
public:
    SelectionMarks(QImage& picture, const ViewWindow& window, const GridRows& values, double nodata,
                   const ColourClasses& classes, MarkSettings settings);

    void PaintSelectedCell(int col, int row) override;
    void PaintUnselectedCell(int col, int row) override;
    // Every selected cell in selection order; cells outside the view window are skipped.
    void PaintAllSelected(const CellSelection& selection);

private:
    struct Box {
        int left, top, right, bottom;  // right and bottom exclusive
    };
    QRgb cellPixel(int col, int row) const;
    Box markBox(int col, int row) const;
    void fill(Box box, QRgb pixel);
    void frame(Box box, int width, QRgb pixel);

    QImage& picture_;
    ViewWindow window_;
    const GridRows& values_;
    double nodata_;
    ColourLookup colours_;
    MarkSettings settings_;
    double sx_ = 0;
    double sy_ = 0;
};
