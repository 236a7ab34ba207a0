#pragma once
// The two passes over a result table's bytes: the header pass finds the minute column, the
// first row's date, the time step and the value columns; the data pass reads every row.
#include <string_view>

#include "FileContainer.h"

class ResultTableReader {
public:
    // Fills the empty `table` from `bytes`; throws TableFormatError when they are not a
    // result table. Rows of `minimumSplitBytes` or more are read on two cores.
    static void read(FileContainer& table, std::string_view bytes, const TableProgress& progress,
                     std::size_t minimumSplitBytes = twoCoreTableBytes);
};
