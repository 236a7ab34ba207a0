#pragma once
#include <QString>
#include <memory>
#include <vector>

#include "CellSelection.h"
#include "GridFileFormat.h"
#include "GridHeader.h"
#include "GridRows.h"
#include "NodataToWrite.h"

// The one grid or stack the viewer shows, with the level that is shown.
struct GridDocument {
    QString FileName;
    // The format the file was read in; Unrecognised before a load and after a failed one.
    GridFileFormat Format = GridFileFormat::Unrecognised;
    GridHeader header;
    GridStatistics statistics;

    // The shown level: `ownValues` for a plain grid or a netCDF level, one of
    // `Levels` for an ASCII or binary stack (edits go straight into that level).
    GridRows* Values = nullptr;
    std::unique_ptr<GridRows> ownValues;
    std::vector<std::unique_ptr<GridRows>> Levels;
    int LevelCount = 0;
    int shownLevel = 0;

    // The shown values are one level of several: an ASCII stack, a binary grid whose header
    // marks a stack, or a netCDF variable with more than one level.
    bool IsStack = false;
    bool Modified = false;
    CellSelection selection;
    int LoadedIndex = -1;
    // The nodata value that saving writes, entered by the user (the loaded one at first).
    NodataEntry NodataToSave;

    bool hasValues() const { return Values != nullptr; }

    // Shows a plain grid (or a netCDF level) owned by the document.
    void setOwnValues(std::unique_ptr<GridRows> values);
    // Shows level `level` of an ASCII or binary stack.
    void showLevel(int level);
    // Releases the values and every level; the document is then empty of data.
    void releaseValues();
};
