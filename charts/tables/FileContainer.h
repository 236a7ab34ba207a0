#pragma once
// One loaded result table: its series in column order, dates, time step and value range.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "SeriesData.h"
#include "TableDates.h"

// Told the whole percent (0 to 100) of the file read so far, each time it changes.
using TableProgress = std::function<void(int percent)>;

// Tables with at least this many bytes of rows are read on two cores.
inline constexpr std::size_t twoCoreTableBytes = std::size_t(1) << 20;

class FileContainer {
public:
    // Reads the whole table of the file. Throws TableFormatError when the text is not a result
    // table and TableFileError when the file cannot be read.
    explicit FileContainer(std::string fileName, const TableProgress& progress = {});
    // Reads the table from its bytes; `fileName` is only recorded. Rows of `minimumSplitBytes`
    // or more are read on two cores.
    FileContainer(std::string fileName, std::string_view bytes, const TableProgress& progress = {},
                  std::size_t minimumSplitBytes = twoCoreTableBytes);

    int seriesCount() const { return static_cast<int>(series_.size()); }
    // The series of column `index`; null when there is none.
    SeriesData* series(int index) const {
        return index >= 0 && index < seriesCount() ? series_[static_cast<std::size_t>(index)].get()
                                                   : nullptr;
    }

    const std::string& fileName() const { return fileName_; }
    double timeStep() const { return timeStep_; }
    double start() const { return start_; }
    // One step after the last row that gave a value: start + rows × time step.
    double end() const { return end_; }
    double valueMinimum() const { return valueMinimum_; }
    double valueMaximum() const { return valueMaximum_; }
    bool minuteColumn() const { return minuteColumn_; }
    // Year (four digits), month, day, hour and minute of the first data row.
    const TableRowDate& firstRowDate() const { return firstRow_; }

    std::string EntityName;

private:
    friend class ResultTableReader;

    std::vector<std::unique_ptr<SeriesData>> series_;
    std::string fileName_;
    double valueMinimum_ = SeriesData::unset;
    double valueMaximum_ = SeriesData::unset;
    double timeStep_ = 0.0;
    double start_ = 0.0;
    double end_ = 0.0;
    TableRowDate firstRow_;
    bool minuteColumn_ = false;
};
