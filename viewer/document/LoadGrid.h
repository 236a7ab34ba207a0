#pragma once
#include <QString>

#include "GridDocument.h"
#include "GridFormat.h"
#include "GridFormatError.h"
#include "GridNetcdfLevels.h"

// What the window sets from a successful load (the document holds the rest).
struct LoadResult {
    GridFileFormat format = GridFileFormat::Unrecognised;
    bool saveGridAvailable = false;  // "&Save Grid": plain grids of a format that writes
    bool levelControlsEnabled =
        false;         // stacks and formats reading levels; position 0 after a load
    int maxLevel = 0;  // LevelCount - 1, shown as "(max: N)"
};

// Loads `fileName` (a list entry: a path, for netCDF with an optional
// selector) into `doc`. The old values and levels are released first; the
// Format, FileName, header, statistics, Values, Levels,
// LevelCount and IsStack are set; Modified and the selection are cleared.
// Stacks show level 0, and the statistics always describe the shown level.
//
// Throws GridFormatError; the document then holds no values:
// - Unrecognised: show text() captioned caption() (Format Unrecognised, "not recognized");
// - BadFileType (silent): the user answered No to the plausibility question;
//   the header and statistics are zeroed, the caller removes the list entry;
// - Read, Format: the file cannot be read, or its header or body do not fit;
// - NetCDF (silent in the list click): the netCDF reader failed.
LoadResult LoadGrid(GridDocument& doc, const QString& fileName, const NetcdfLevelReader& netcdf,
                    const LoadCallbacks& callbacks = {});
inline LoadResult LoadGrid(GridDocument& doc, const QString& fileName, netcdfReader& reader,
                           const LoadCallbacks& callbacks = {}) {
    return LoadGrid(doc, fileName, netcdfLevelsOf(reader), callbacks);
}

// The message and caption for a file whose format is not recognised.
inline const QString unrecognisedFormatText =
    QStringLiteral("could not recognise file format (ascii, single or double)");
inline const QString unrecognisedFormatCaption = QStringLiteral("format error");

// A header is implausible when ncols or nrows is not whole (to 1e-7) or the
// nodata value lies beyond ±100000.
bool isPlausibleHeader(const GridHeader& header);
// The question asked about an implausible header, and its caption.
QString plausibilityQuestion(const QString& fileName);
inline const QString plausibilityCaption = QStringLiteral("Input file is not a valid grid");

// A binary header marks a stack with 0 in CellCount to Average and a non-zero
// StdDeviation place, which holds the number of levels - 1.
bool marksStack(const GridStatistics& places);

// The progress bar's position before row `row`: row * 100 / nrows truncated,
// 50 when nrows is 0, kept within 1 and 99.
int loadProgressPercent(int row, double nrows);
