#include "GridDocument.h"

GridFileFormat GridDocument::format() const {
    if (IsNetCDF) return GridFileFormat::NetCDF;
    if (IsDoublePrecision) return GridFileFormat::DoubleGrid;
    if (IsSinglePrecision) return GridFileFormat::SingleGrid;
    if (FormatName == QStringLiteral("not recognized") || FormatName.isEmpty())
        return GridFileFormat::Unrecognised;
    return IsStack ? GridFileFormat::AsciiStack : GridFileFormat::AsciiGrid;
}

void GridDocument::setOwnValues(std::unique_ptr<GridRows> values) {
    Levels.clear();
    ownValues = std::move(values);
    Values = ownValues.get();
    shownLevel = 0;
}

void GridDocument::showLevel(int level) {
    if (level < 0 || level >= static_cast<int>(Levels.size())) return;
    Values = Levels[static_cast<std::size_t>(level)].get();
    shownLevel = level;
}

void GridDocument::releaseValues() {
    Values = nullptr;
    FreeGridRows(ownValues);
    for (auto& level : Levels) FreeGridRows(level);
    Levels.clear();
    IsStack = false;
    shownLevel = 0;
}
