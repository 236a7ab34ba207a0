#include "CellSelector.h"

#include <algorithm>

void CellSelector::SelectCell(int col, int row) {
    myPoint point{col, row, -1};
    const double value = values_.at(row - 1, col - 1);
    if (value != nodata_)
        point.position = profile_.add(value);
    else
        profile_.breakLine();
    selection_.points.push_back(point);
    painter_.PaintSelectedCell(col, row);
}

void CellSelector::unselectAt(std::size_t index) {
    const int position = selection_.points[index].position;
    const myPoint cell = selection_.points[index];
    selection_.points.erase(selection_.points.begin() + static_cast<std::ptrdiff_t>(index));
    if (position > 0 && position <= profile_.count()) {
        profile_.remove(position - 1);
        // The points after the removed one moved up by one position.
        for (myPoint& other : selection_.points)
            if (other.position > position) --other.position;
    }
    painter_.PaintUnselectedCell(cell.x, cell.y);
}

void CellSelector::Toggle(int col, int row) {
    const auto found =
        std::find(selection_.points.begin(), selection_.points.end(), myPoint{col, row, -1});
    if (found == selection_.points.end())
        SelectCell(col, row);
    else
        unselectAt(static_cast<std::size_t>(found - selection_.points.begin()));
}

void CellSelector::selectAll(const std::vector<GridCell>& cells) {
    selection_.points.reserve(selection_.points.size() + cells.size());
    for (const GridCell& cell : cells) SelectCell(cell.col, cell.row);
}

void CellSelector::Rectangle(int col, int row) {
    if (selection_.empty()) return;
    const myPoint anchor = selection_.points.back();
    selectAll(rectangleCells({anchor.x, anchor.y}, {col, row}));
}

void CellSelector::Line(int col, int row) {
    if (selection_.empty()) return;
    const myPoint anchor = selection_.points.back();
    selectAll(lineCells({anchor.x, anchor.y}, {col, row}));
}

void CellSelector::Single(int col, int row) {
    while (!selection_.empty()) {
        const myPoint last = selection_.points.back();
        selection_.points.pop_back();
        painter_.PaintUnselectedCell(last.x, last.y);
    }
    profile_.clear();
    SelectCell(col, row);
}

void CellSelector::Drag(int col, int row) {
    if (selection_.empty()) return;
    if (std::find(selection_.points.begin(), selection_.points.end(), myPoint{col, row, -1}) !=
        selection_.points.end())
        return;
    SelectCell(col, row);
}

void CellSelector::DragAlong(GridCell from, GridCell to) {
    if (from == to) return Drag(to.col, to.row);
    for (const GridCell& cell : lineCells(from, to)) Drag(cell.col, cell.row);
}

void UnselectCellsNotInRange(CellSelection& selection, const GridRows& values, double min,
                             double max) {
    std::erase_if(selection.points, [&](const myPoint& point) {
        const double value = values.at(point.y - 1, point.x - 1);
        return !(min <= value && value <= max);
    });
}
