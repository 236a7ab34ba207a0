#pragma once
#include <QImage>

#include "ArrowGrids.h"
#include "ArrowOptions.h"
#include "ArrowStamps.h"
#include "ViewWindow.h"

// Where a cell's arrow starts: gradients at the cell's centre, flow velocities at its lower
// right corner.
enum class ArrowStart { CellCentre, LowerRightCorner };

// Draws the arrows of the cells in the window (whose DrawWidth and DrawHeight the last paint
// set) over `picture`, in cell order, row by row: every cell whose direction and magnitude are
// not `nodataValue` gets an arrow from the lower right corner of its painted rectangle, moved
// back by half a cell (floor(DrawWidth / columns * 0.5), likewise for rows) for CellCentre.
// Each arrow has the shape ArrowShapeFor gives and the colour of its magnitude's class, drawn
// with pen width ArrowThickness, over the arrows before it. The pixels are those the painter
// sets: arrows inside the picture are written straight into its lines (see ArrowStamps), those
// across its edge are drawn by the painter. Draws nothing when the grids do not cover the
// window. The picture becomes RGB32 when it has another format.
//
// Runs of rows are drawn by threads of their own (`workers` of them, or for 0 one per core for
// a large window), each pixel once, by the last arrow that covers it (see ArrowLayer); the
// picture is the same with any number of them.
void DrawArrowOverlay(QImage& picture, const ArrowGrids& arrows, double nodataValue,
                      const ViewWindow& view, ArrowStart start, const ArrowOptions& options,
                      ArrowStamps& stamps, int workers = 0);

// The options dialog's sample: `image` filled white, and two arrows pointing right in
// ArrowColor, one ArrowMinLength long from (10, 15), one ArrowMaxLength long from (10, 30).
void DrawArrowExamples(QImage& image, const ArrowOptions& options);
