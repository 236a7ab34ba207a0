#pragma once
#include <QString>

// The parts of a list entry: the file's path, and with a selector the variable's
// name and the level that replaces the caller's.
struct NetcdfEntry {
    QString path;
    QString variable;
    bool hasSelector = false;
    int level = 0;
};

// Splits "path<variable>level". The selector counts only when the first "<" is
// not the entry's first character and a ">" follows it; a ">" that only comes
// before the "<" leaves the entry a plain path. Up to ten characters after the
// ">" are the level; text that is not a whole decimal number gives level 0.
NetcdfEntry splitNetcdfEntry(const QString& text);
