#pragma once
#include <string>
#include <string_view>

#include "CellSelection.h"
#include "GridRows.h"

// The clipboard text of selected cells: an item "row:col:value;" per selected cell in
// selection order (1-based row and column, the value in the 15-digit general form, nodata as
// its value), with a single line feed before an item whose row differs from the item before.
// No line feed at the end.
std::string CopyCellsText(const CellSelection& selection, const GridRows& values);

// How a pasted value v combines with the cell's value c.
enum class PasteMode {
    Replace = 1,   // c = v
    Add = 2,       // c = c + v
    Subtract = 3,  // c = c - v
    Multiply = 4,  // c = c * v
    Divide = 5,    // c = c / v; nothing for v = 0
    SelectOnly = 6
};

// Combines a pasted value with the cell's value as `mode` says; `changed` is set when the cell
// was written (never for select-only, nor for a division by zero, which leaves the cell).
void CombinePastedValue(double& cell, double value, PasteMode mode, bool& changed);

struct PasteOutcome {
    // An item could not be read or its cell lies outside the level: the paste stopped there.
    bool failed = false;
    // Some cell value changed (cells changed before a failure stay changed).
    bool changedCells = false;
};

// Pastes clipboard text into the level. The anchor is the first selected cell; without a
// selection, the first item's own cell when the text holds "row:col:value" items, so such a
// block returns to where it was copied from; without either nothing is pasted. Coordinate items
// keep their offsets from the first item; value-only items "value;" fill a block from the
// anchor, each value in the next column, a line feed starting the next row. The selection is
// replaced by the pasted cells; items holding the nodata value are skipped. An item whose cell
// lies outside the level stops the paste before anything is written to it.
PasteOutcome PasteCellsText(std::string_view text, GridRows& values, double nodata, PasteMode mode,
                            CellSelection& selection);
