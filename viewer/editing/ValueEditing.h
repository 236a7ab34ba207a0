#pragma once
#include <optional>

#include "CellSelection.h"
#include "GridHeader.h"
#include "GridRows.h"
#include "UserDialogs.h"

// The user's value range of the palette; RangeMin = RangeMax means no range.
struct ValueRange {
    bool RangeSet = false;
    double RangeMin = 0;
    double RangeMax = 0;
};

// Asks for the value that the selected cells take. Nothing when the user cancels, or when the
// text is no number (the user has been told).
std::optional<double> AskNewCellValue(UserDialogs& dialogs);

// Sets every selected cell to `value`, nodata cells included.
void SetSelectedCells(GridRows& values, const CellSelection& selection, double value);

// Asks for the minimum and the maximum of the range, starting from the grid's statistics when
// no range is defined. Equal values switch the range off. A cancelled query keeps what was
// entered before it. False when a text was no number (the user has been told; a minimum taken
// before a bad maximum stays): the command then ends without recomputing the colours.
bool AskValueRange(UserDialogs& dialogs, ValueRange& range, const GridStatistics& statistics);
