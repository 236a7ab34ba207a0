#pragma once
#include <QString>
#include <memory>
#include <optional>

#include "GridDocument.h"
#include "GridHeader.h"
#include "GridRows.h"

// The caption and text of the message that refuses a component grid of another geometry than
// the shown grid's: ncols, nrows, xllcorner, yllcorner and cellsize must be the very same
// doubles. The text lists ncols, nrows, xll and yll of both grids ("%g"), one per line.
// nullopt when the geometries match.
std::optional<QString> FlowGeometryMismatch(const GridHeader& shown, const GridHeader& component,
                                            const QString& componentFile);
inline const QString FlowGeometryCaption = QStringLiteral("grid geometry");

// The titles of the open dialogs that ask for the two component grids.
inline const QString FlowXComponentTitle = QStringLiteral("Name of Grid with X-Component");
inline const QString FlowYComponentTitle = QStringLiteral("Name of Grid with Y-Component");

// Takes the shown level out of a document that was loaded only to read a component grid.
std::unique_ptr<GridRows> TakeShownValues(GridDocument& component);
