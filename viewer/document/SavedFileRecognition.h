#pragma once
#include <QString>
#include <optional>

#include "GridDocument.h"
#include "WriteGrid.h"

// Binary grids carry no magic number: recognition looks for -9999 in the
// header's nodata place. A single or double precision file written with
// another nodata value therefore cannot be loaded again.

// True when a file that WriteGridAs would write from `doc` with `nodataToWrite`
// in `format` is recognised as that format when loaded.
bool savedFileIsRecognised(const GridDocument& doc, double nodataToWrite, GridOutputFormat format);

// The Yes/No question to ask before such a file is written (Yes writes it
// anyway), or nullopt when the file will be recognised and nothing need be asked.
std::optional<QString> unrecognisedSaveQuestion(const GridDocument& doc, const QString& fileName,
                                                double nodataToWrite, GridOutputFormat format);
inline const QString unrecognisedSaveCaption = QStringLiteral("Save grid");
