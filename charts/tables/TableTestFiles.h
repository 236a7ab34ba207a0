#pragma once
// Small result tables for the tests, read from memory.
#include <string>

#include "FileContainer.h"

// A table with a title line, the column header line (which is also the date header line), the
// description and `rows`.
inline std::string tableText(const std::string& columns, const std::string& rows,
                             const std::string& entity = "Flow_at_the_outlet_gauge_daily") {
    return "Tolmar-Kor results\n" + columns + "\n" + entity + "\n" + rows;
}

inline FileContainer readTable(const std::string& text) { return FileContainer("t.txt", text); }

constexpr double hour = 1.0 / 24.0;
