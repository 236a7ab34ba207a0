#pragma once
// The data pass over a result table: every row's date fields (read, not used: the rows are
// evenly spaced from the start) and one value per column, into one block of values.
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "FileContainer.h"
#include "TableValues.h"

// What the rows gave one column.
struct ColumnSummary {
    std::size_t count = 0;  // values read, missing ones included
    std::size_t nulls = 0;  // missing values
    double minimum = SeriesData::unset;
    double maximum = SeriesData::unset;
};

// How the rows were read.
enum class TableDataReading {
    OneCore,   // a short table, no line end to split at, or a first half that stops early
    TwoCores,  // split at a line end; each half read by a thread of its own
    // The second half did not start at the row its line count promised (blank lines, rows
    // over several lines): read again from the start on one core.
    TwoCoresThenOne,
};

struct TableData {
    std::shared_ptr<TableValues> values;
    std::size_t rows = 0;  // rows that gave a value; the last may hold the first columns only
    std::vector<ColumnSummary> columns;
    TableDataReading reading = TableDataReading::OneCore;
};

struct TableDataLayout {
    std::size_t dataStart = 0;  // the first data row's offset
    int dateFields = 4;         // 5 with a minute column
    std::size_t columns = 1;
    std::size_t likelyRows = 1;  // room to start with when read on one core
};

// Reads the rows as one stream of numbers, line breaks without meaning, until the first field
// that is not a number; of a row that ends early, the values before the bad field are kept.
// `progress` is told the whole percent of `text` read each time it grows. A table of at least
// `minimumSplitBytes` of rows is split at a line end near its middle and read on two cores;
// the result is the same bit for bit.
TableData readTableData(std::string_view text, const TableDataLayout& layout,
                        const TableProgress& progress, std::size_t minimumSplitBytes);
