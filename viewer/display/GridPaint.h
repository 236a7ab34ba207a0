#pragma once
#include <QImage>

#include "Colour.h"
#include "ColourMapping.h"
#include "GridRows.h"
#include "ViewWindow.h"

// The switches of the painting.
struct PaintSettings {
    bool EraseGrid = true;          // clear the picture with silver before drawing
    bool DrawGridLines = false;     // frame cells of at least 3 x 3 pixels
    bool NodataTransparent = true;  // leave nodata cells unpainted
    Colour ButtonFace{0xF0F0F0};    // the colour of nodata cells when they are painted
    int Workers = 0;  // threads that paint bands of rows; 0: one per core for a large picture
};

inline constexpr Colour EraseColour{0xC0C0C0};
inline constexpr Colour NodataLineColour{0xC0C0C0};
inline constexpr Colour DataLineColour{0x808080};

// Fits the window into a box of width x height pixels with square cells and stores the
// picture size in DrawWidth and DrawHeight: DrawWidth = width - 1 and DrawHeight =
// (rows + 1) * DrawWidth div (columns + 1); when that is taller than height - 1, DrawHeight =
// height - 1 and DrawWidth = columns * DrawHeight div rows. An empty window, or a box too
// small to give both sizes above 0, gets 0 x 0.
// The second DrawWidth can exceed the box (a window of few rows and many columns); painting
// clips it.
void FitWindow(ViewWindow& window, int width, int height);

// Paints the cells of the window into `picture` (the whole paint box), which keeps what it
// showed before wherever nothing is drawn: transparent nodata cells, and everything when
// erasing is off. The picture is converted to RGB32 when it has another format.
//
// Each row and column ends at pixel floor(size * (index + 1 - first) / count); a row or column
// that ends where the previous one ended is merged into the next one, so each pixel shows the
// last cell that ends on it, and a merged cell costs nothing. Cells are coloured by
// GetColorDyn's mapping, nodata cells with the button face. Grid lines: a one-pixel frame of
// the rectangle (left - 1, top - 1, right, bottom), silver around nodata cells, gray around data
// cells, drawn in cell order.
//
// Bands of rows are painted by threads of their own (see PaintSettings::Workers); the picture
// is the same with any number of them.
//
// Stores DrawWidth and DrawHeight in the window (0 x 0 and nothing drawn when the window is
// empty or not inside the grid).
void GridPaint(QImage& picture, const GridRows& values, double nodataValue, ViewWindow& window,
               const ColourClasses& classes, const PaintSettings& settings);
