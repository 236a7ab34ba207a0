#include "NetcdfEntry.h"

NetcdfEntry splitNetcdfEntry(const QString& text) {
    NetcdfEntry entry;
    entry.path = text;
    const qsizetype open = text.indexOf(QLatin1Char('<'));
    if (open < 1) return entry;
    const qsizetype close = text.indexOf(QLatin1Char('>'), open + 1);
    if (close < 0) return entry;
    entry.hasSelector = true;
    entry.path = text.left(open);
    entry.variable = text.mid(open + 1, close - open - 1);
    bool isNumber = false;
    const int level = text.mid(close + 1, 10).toInt(&isNumber, 10);
    entry.level = isNumber ? level : 0;
    return entry;
}
