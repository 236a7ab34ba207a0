// Cell selection with the mouse, the selection marks and the unselect commands.
#include <QAction>
#include <QMouseEvent>

#include "CellSelector.h"
#include "PaintBox.h"
#include "SelectionMarks.h"
#include "TfrmVLProfile.h"
#include "TfrmVistals.h"

SelectionMarks TfrmVistals::selectionMarks() {
    return view.selectionMarks(PaintBox1->canvas(), document,
                               Colour::fromQColor(palette().color(QPalette::Button)));
}

void TfrmVistals::showSelectionChanges() {
    PaintBox1->update();
    // The chart takes the points anew only when they changed.
    if (frmVLProfile && profile.revision() != shownProfileRevision) {
        frmVLProfile->showPoints(profile);
        shownProfileRevision = profile.revision();
    }
}

void TfrmVistals::PaintBox1MouseDown(QMouseEvent* event) {
    if (!document.hasValues() || switchSteps_.busy()) return;
    MouseReleased = false;
    const auto modifiers = event->modifiers();
    const QPoint at = event->position().toPoint();
    const MouseDownCommand command =
        mouseDownCommand(event->button() == Qt::LeftButton, modifiers & Qt::ShiftModifier,
                         modifiers & Qt::ControlModifier, modifiers & Qt::AltModifier);
    if (command == MouseDownCommand::ZoomOut) return PaintBoxZoomOut(at.x(), at.y());
    if (command == MouseDownCommand::ZoomIn) return PaintBoxZoomIn(at.x(), at.y());
    lastDragCell.reset();
    if (command == MouseDownCommand::Ignore || !view.window.hasPicture()) return;

    const int col = view.window.columnAt(at.x()) + 1;
    const int row = view.window.rowAt(at.y()) + 1;
    if (row < 1 || row > document.header.rowCount() || col < 1 ||
        col > document.header.columnCount())
        return;
    lastDragCell = GridCell{col, row};
    SelectionMarks marks = selectionMarks();
    CellSelector selector(document.selection, profile, *document.Values,
                          document.header.nodata_value, marks);
    switch (command) {
        case MouseDownCommand::Toggle:
            selector.Toggle(col, row);
            break;
        case MouseDownCommand::Rectangle:
            selector.Rectangle(col, row);
            break;
        case MouseDownCommand::Single:
            selector.Single(col, row);
            break;
        case MouseDownCommand::Line:
            selector.Line(col, row);
            break;
        default:
            break;
    }
    showSelectionChanges();
}

void TfrmVistals::PaintBox1MouseUp() {
    MouseReleased = true;
    lastDragCell.reset();
}

void TfrmVistals::dragSelect(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || MouseReleased || document.selection.empty() ||
        !document.hasValues() || switchSteps_.busy() || !view.window.hasPicture())
        return;
    const QPoint at = event->position().toPoint();
    const int col = view.window.columnAt(at.x()) + 1;
    const int row = view.window.rowAt(at.y()) + 1;
    if (row < 1 || row > document.header.rowCount() || col < 1 ||
        col > document.header.columnCount()) {
        // Outside the grid the path is lost: the drag goes on from where it comes back in.
        lastDragCell.reset();
        return;
    }
    SelectionMarks marks = selectionMarks();
    const std::size_t before = document.selection.points.size();
    CellSelector selector(document.selection, profile, *document.Values,
                          document.header.nodata_value, marks);
    const GridCell to{col, row};
    if (lastDragCell)
        selector.DragAlong(*lastDragCell, to);
    else
        selector.Drag(col, row);
    lastDragCell = to;
    if (document.selection.points.size() != before) showSelectionChanges();
}

void TfrmVistals::miUnselectAllClick() {
    document.selection.clear();
    GridPaint();
}

void TfrmVistals::miUnselectAllCellsNotInRangeClick() {
    if (document.hasValues())
        UnselectCellsNotInRange(document.selection, *document.Values, view.range.RangeMin,
                                view.range.RangeMax);
    GridPaint();
}
