#pragma once
#include "CellSelection.h"
#include "GridRows.h"
#include "ProfileSeries.h"
#include "SelectionRules.h"

// Draws the mark of one cell, or takes it away. Cells are 1-based.
class SelectionPainter {
public:
    virtual ~SelectionPainter() = default;
    virtual void PaintSelectedCell(int col, int row) = 0;
    virtual void PaintUnselectedCell(int col, int row) = 0;
};

// The selection rules of the mouse on a level: every cell that is selected is appended to the
// selection, marked, and, when it holds data, appended to the profile series. Cells are
// 1-based and must lie inside the level.
class CellSelector {
public:
    CellSelector(CellSelection& selection, ProfileSeries& profile, const GridRows& values,
                 double nodata, SelectionPainter& painter)
        : selection_(selection),
          profile_(profile),
          values_(values),
          nodata_(nodata),
          painter_(painter) {}

    void SelectCell(int col, int row);
    // Ctrl: selects a cell that is not selected; otherwise unselects it and removes exactly
    // its own profile point.
    void Toggle(int col, int row);
    // Shift: the rectangle from the last selected cell. Nothing without a selection.
    void Rectangle(int col, int row);
    // No key: unselects everything, empties the profile and selects the one cell.
    void Single(int col, int row);
    // Ctrl+Shift: the line from the last selected cell. Nothing without a selection.
    void Line(int col, int row);
    // Dragging adds a cell not selected yet to a selection that a click started.
    void Drag(int col, int row);
    // A drag from the cell of the last mouse event to `to`: when the pointer jumped over
    // cells, the cells of the straight line between them (as lineCells gives it) are dragged
    // over in order, so a fast drag leaves no gap; otherwise `to` alone.
    void DragAlong(GridCell from, GridCell to);

private:
    // Removes the element at `index`, its profile point with it, and keeps the positions that
    // later elements hold pointing at their own points.
    void unselectAt(std::size_t index);
    void selectAll(const std::vector<GridCell>& cells);

    CellSelection& selection_;
    ProfileSeries& profile_;
    const GridRows& values_;
    double nodata_;
    SelectionPainter& painter_;
};

// Keeps only the selected cells whose value v lies in min <= v <= max, in their order.
void UnselectCellsNotInRange(CellSelection& selection, const GridRows& values, double min,
                             double max);
