#pragma once
#include <QString>

#include "GridDocument.h"
#include "GridFormatError.h"

// The format Save writes a document in: the one it was loaded from when that
// format writes (ASCII, single or double precision binary grids, binary stacks
// included), ASCII for everything else (ASCII stacks, netCDF).
GridOutputFormat savedFormatOf(const GridDocument& doc);

// Writes the shown level of `doc` to `fileName` in the format it was loaded
// from. Cells equal to the document's nodata_value are written as
// `nodataToWrite` (the number of the "Nodata" field), which also goes into the
// header; binary headers get the document's statistics as they stand. The
// document is not changed.
//
// The bytes go to a temporary file beside the target, which replaces the
// target only when everything was written; a link is followed, a pipe or
// device written into (see OutputFile). On failure GridFormatError (kind
// Write) is thrown with the reason, and an existing target stays intact.
void WriteGrid(const QString& fileName, const GridDocument& doc, double nodataToWrite);

// The same in a chosen format.
void WriteGridAs(const QString& fileName, const GridDocument& doc, double nodataToWrite,
                 GridOutputFormat format);
