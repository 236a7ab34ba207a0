#pragma once
#include "ViewWindow.h"

enum class ZoomDirection { In, Out };

// Zooms the window around the pixel (x, y) of a paint box of boxWidth x boxHeight pixels: the
// cell under the pixel becomes the centre, the half sizes are 0.4 (in) or 0.7 (out) of the
// former sizes with the rows matched to the box's shape, a window whose row or column count
// would not change is widened by 2 on every side, and the result is clamped into the grid.
//
// A zoom never leaves an empty window: an axis that would hold no cell (a half size of 0, as
// zooming in on one or two rows gives) becomes the centre cell alone when zooming in, and the
// centre cell widened by 2 on both sides when zooming out; it is then clamped like any window.
//
// Nothing changes without a painted picture, an empty box or an empty grid.
void ZoomWindow(ViewWindow& window, ZoomDirection direction, int x, int y, int boxWidth,
                int boxHeight, double nrows, double ncols);

// The wheel's zoom: the window's row and column counts change as ZoomWindow changes them,
// but the window keeps its shape instead of taking the box's, and it is placed so that the cell
// under the pixel (x, y) stays under that pixel in the new picture (a picture of boxWidth x
// boxHeight pixels, fitted as GridPaint fits it). Near the grid's edges the window is clamped
// into the grid as every window is, and the cell may move.
void ZoomWindowKeepingPointedCell(ViewWindow& window, ZoomDirection direction, int x, int y,
                                  int boxWidth, int boxHeight, double nrows, double ncols);

// The pixel the menu commands zoom around: a third of the box's width and height, not its
// centre.
inline int MenuZoomX(int boxWidth) { return boxWidth / 3; }
inline int MenuZoomY(int boxHeight) { return boxHeight / 3; }
