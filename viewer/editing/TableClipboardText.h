#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CellClipboardText.h"
#include "CellSelection.h"
#include "GridRows.h"

// The selection's bounding rectangle as a spreadsheet takes it: one line per row, the cells
// separated by tabs, each line ending in a line feed. Selected cells hold their value in the
// shortest form that reads back as the same double, with a dot; unselected and nodata cells
// are empty.
std::string CopyTableText(const CellSelection& selection, const GridRows& values, double nodata);

// Rows of numbers as a spreadsheet or an editor writes them. Each row's cells are separated by
// tabs when the text holds a tab, else by semicolons when it holds one, else by runs of blanks.
// A decimal comma is read when the text holds no dot. An empty cell has no value; the line end
// after the last row starts no row.
struct TableText {
    std::vector<std::vector<std::optional<double>>> rows;
};

// Reads the text; on a cell that is not a number, `error` names it with its row and column
// (1-based) and the table is empty.
TableText ReadTableText(std::string_view text, std::string& error);

struct TablePasteOutcome {
    // Why nothing was pasted; empty when the table was pasted.
    std::string error;
    bool changedCells = false;
};

// Pastes the table with its top-left cell on the first selected cell through `mode`: each
// present value that is not `nodata` combines with its cell, and the selection becomes those
// cells in row order. Without a selection nothing happens. A table that is not all numbers,
// or whose cells with values would reach beyond the level, is refused whole: nothing changes.
TablePasteOutcome PasteTableText(std::string_view text, GridRows& values, double nodata,
                                 PasteMode mode, CellSelection& selection);
