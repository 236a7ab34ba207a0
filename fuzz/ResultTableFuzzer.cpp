// Feeds arbitrary bytes to the result table reader. Whatever the bytes, the reader either
// refuses them with its format error or returns a consistent table; the summary of any table
// it returns can be written as JSON, and is the same when the rows are read on two cores.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FileContainer.h"
#include "TableFormatError.h"
#include "TableInfoJson.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

void checkTable(const FileContainer& table, std::size_t size) {
    check(table.seriesCount() > 0);
    check(table.series(table.seriesCount() - 1)->visible);
    for (int i = 0; i < table.seriesCount(); ++i) {
        const SeriesData& series = *table.series(i);
        check(series.x().size() == series.y().size());
        check(series.nullCount() <= series.pointCount());
        // Every value takes at least one character and one separator.
        check(series.pointCount() <= size / 2 + 1);
        const bool hasValues = series.nullCount() < series.pointCount();
        // -9999 itself is a missing value, so the unset range means "no value".
        check(hasValues == (series.valueMinimum != SeriesData::unset));
        check(hasValues == (series.valueMaximum != SeriesData::unset));
        if (hasValues) check(series.valueMinimum <= series.valueMaximum);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    int lastPercent = -1;
    try {
        const FileContainer table("fuzz.txt", bytes, [&](int percent) {
            check(percent > lastPercent && percent >= 0 && percent <= 100);
            lastPercent = percent;
        });
        checkTable(table, size);
        const std::string json = tableInfoJson(table, true);
        check(!json.empty() && json.front() == '{' && json.back() == '\n');
        // Read on two cores, split wherever it can be, the table is the same.
        const FileContainer twoCores("fuzz.txt", bytes, {}, 0);
        check(tableInfoJson(twoCores, true) == json);
    } catch (const TableFormatError&) {
    }
    return 0;
}
