#include "GridDocument.h"

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
