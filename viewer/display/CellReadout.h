#pragma once
#include <QString>
#include <optional>

#include "GridHeader.h"
#include "GridRows.h"
#include "ViewWindow.h"

// What the readout fields show for the pointer over the picture.
struct CellReadout {
    bool inside = false;
    int col = 0;   // 1-based
    int row = 0;   // 1-based
    double x = 0;  // map coordinates of the pointer, not of the cell
    double y = 0;
    double value = 0;  // only when inside; a nodata value is shown as its number
    QString XCol;      // col as an integer, or "-"
    QString YCol;      // row as an integer, or "-"
    QString XCoord;    // x "%g", or "outside"
    QString YCoord;    // y "%g", or "outside"
    QString Value;     // value "%g", or "outside"
};

// The readout for pixel (x, y) of the picture; nothing without a painted picture.
std::optional<CellReadout> ReadCellAt(const ViewWindow& window, const GridHeader& header,
                                      const GridRows& values, int x, int y);
