#pragma once
// A result table as the window holds it: the table read from its file and the chart series
// of each of its columns.
#include <memory>
#include <vector>

#include "FileContainer.h"
#include "SeriesLines.h"

class SeriesStyleTable;

class LoadedTable {
public:
    // Creates the chart series of every column of `table`, owned by `owner`.
    LoadedTable(std::unique_ptr<FileContainer> table, QObject* owner);
    LoadedTable(const LoadedTable&) = delete;
    LoadedTable& operator=(const LoadedTable&) = delete;

    FileContainer& table() { return *table_; }
    int seriesCount() const { return static_cast<int>(lines_.size()); }
    // The chart series of column `index`; null when there is none.
    SeriesLines* lines(int index) const {
        return index >= 0 && index < seriesCount() ? lines_[static_cast<std::size_t>(index)].get()
                                                   : nullptr;
    }
    // Takes every series off the chart, giving its look back.
    void detachAll(SeriesStyleTable& styles);

private:
    std::unique_ptr<FileContainer> table_;
    std::vector<std::unique_ptr<SeriesLines>> lines_;
};
