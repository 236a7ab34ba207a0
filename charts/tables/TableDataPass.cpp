#include "TableDataPass.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <stop_token>
#include <thread>

#include "TextScanner.h"

namespace {

bool isMissingValue(double v) {
    return (v > -9999.01 && v < -9998.99) || (v > 9998.99 && v < 9999.01);
}

// Why reading rows ended.
enum class RowsEnd {
    TextEnd,     // the text ended between two rows
    RowCut,      // the text ended within a row
    NotANumber,  // a field is not a number
    Full,        // the next row does not fit; the scanner stands at its start
    Stopped,     // asked to stop
};

struct RowsRead {
    std::size_t rows = 0;
    RowsEnd end = RowsEnd::TextEnd;
    std::vector<ColumnSummary> columns;
};

// Adds what `later` rows gave to what the rows before them gave, as if read one after the
// other: a range keeps the first of equal extremes, as the row by row update does.
void addLater(std::vector<ColumnSummary>& columns, const std::vector<ColumnSummary>& later) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
        ColumnSummary& column = columns[c];
        const ColumnSummary& next = later[c];
        column.count += next.count;
        column.nulls += next.nulls;
        if (next.minimum != SeriesData::unset &&
            (column.minimum == SeriesData::unset || column.minimum > next.minimum))
            column.minimum = next.minimum;
        if (next.maximum != SeriesData::unset &&
            (column.maximum == SeriesData::unset || column.maximum < next.maximum))
            column.maximum = next.maximum;
    }
}

// Reads rows from the scanner's position into rows [first, limit) of `values`. After each row
// `onRow(position)` is told where reading stands; false stops.
template <typename OnRow>
RowsRead readRows(TextScanner& scan, TableValues& values, std::size_t first, std::size_t limit,
                  int dateFields, OnRow&& onRow) {
    const std::size_t columns = values.columns();
    RowsRead read;
    read.columns.resize(columns);
    for (;;) {
        const std::size_t rowStart = scan.position();
        double field = 0.0;
        if (!scan.readDouble(field)) {
            read.end = scan.atEnd() ? RowsEnd::TextEnd : RowsEnd::NotANumber;
            return read;
        }
        if (first + read.rows == limit) {
            scan.setPosition(rowStart);
            read.end = RowsEnd::Full;
            return read;
        }
        for (int i = 1; i < dateFields; ++i) {
            if (!scan.readDouble(field)) {
                read.end = scan.atEnd() ? RowsEnd::RowCut : RowsEnd::NotANumber;
                return read;
            }
        }
        double* row = values.row(first + read.rows);
        for (std::size_t c = 0; c < columns; ++c) {
            double value = 0.0;
            if (!scan.readDouble(value)) {
                if (c > 0) ++read.rows;  // the row gave values
                read.end = scan.atEnd() ? RowsEnd::RowCut : RowsEnd::NotANumber;
                return read;
            }
            ColumnSummary& column = read.columns[c];
            ++column.count;
            if (isMissingValue(value)) {
                row[c] = SeriesData::missing;
                ++column.nulls;
                continue;
            }
            row[c] = value;
            if (column.minimum == SeriesData::unset || column.minimum > value)
                column.minimum = value;
            if (column.maximum == SeriesData::unset || column.maximum < value)
                column.maximum = value;
        }
        ++read.rows;
        if (!onRow(scan.position())) {
            read.end = RowsEnd::Stopped;
            return read;
        }
    }
}

// Tells the whole percent of the text read, each time it grows.
class PercentRead {
public:
    PercentRead(const TableProgress& progress, std::size_t size)
        : progress_(progress), size_(static_cast<double>(std::max<std::size_t>(size, 1))) {}
    void at(std::size_t position) {
        const int percent = static_cast<int>(static_cast<double>(position) / size_ * 100.0);
        if (percent > shown_) {
            shown_ = percent;
            if (progress_) progress_(percent);
        }
    }

private:
    const TableProgress& progress_;
    double size_;
    int shown_ = -1;
};

std::size_t lineEnds(std::string_view text) {
    std::size_t count = 0;
    for (const char* at = text.data();
         const void* found =
             std::memchr(at, '\n', static_cast<std::size_t>(text.data() + text.size() - at));
         ++count)
        at = static_cast<const char*>(found) + 1;
    return count;
}

// All rows on this thread, the block growing as needed.
TableData readOnOneCore(std::string_view text, const TableDataLayout& layout, PercentRead& percent,
                        std::shared_ptr<TableValues> values) {
    TableData data;
    data.values = values ? std::move(values)
                         : std::make_shared<TableValues>(layout.columns, layout.likelyRows);
    data.columns.resize(layout.columns);
    TextScanner scan(text);
    scan.setPosition(layout.dataStart);
    for (;;) {
        const RowsRead read = readRows(scan, *data.values, data.rows, data.values->rowCapacity(),
                                       layout.dateFields, [&](std::size_t position) {
                                           percent.at(position);
                                           return true;
                                       });
        data.rows += read.rows;
        addLater(data.columns, read.columns);
        if (read.end != RowsEnd::Full) break;
        const std::size_t capacity = data.values->rowCapacity();
        data.values->grow(capacity + capacity / 2 + 16, data.rows);
    }
    percent.at(scan.position());
    return data;
}

// The second half of the rows, read by a thread of its own: it counts its lines, waits for the
// block, then reads its rows into the block from the row the first half's line count gives.
class SecondHalf {
public:
    SecondHalf(std::string_view text, std::size_t splitAt, int dateFields)
        : text_(text),
          splitAt_(splitAt),
          dateFields_(dateFields),
          thread_([this](std::stop_token stop) { run(stop); }) {}

    std::size_t lines() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return counted_; });
        return lines_;
    }
    void start(std::shared_ptr<TableValues> values, std::size_t firstRow) {
        {
            std::lock_guard lock(mutex_);
            values_ = std::move(values);
            firstRow_ = firstRow;
        }
        changed_.notify_all();
    }
    // Waits for the end of the half, telling `onWait` where reading stands now and then.
    template <typename OnWait>
    RowsRead result(OnWait&& onWait) {
        std::unique_lock lock(mutex_);
        while (!changed_.wait_for(lock, std::chrono::milliseconds(20), [&] { return finished_; }))
            onWait(position_.load(std::memory_order_relaxed));
        return result_;
    }
    std::size_t position() const { return position_.load(std::memory_order_relaxed); }
    ~SecondHalf() { stop(); }
    SecondHalf(const SecondHalf&) = delete;
    SecondHalf& operator=(const SecondHalf&) = delete;

    void stop() {
        thread_.request_stop();
        // Under the lock: the thread either has not looked at the stop yet or waits for this.
        { std::lock_guard lock(mutex_); }
        changed_.notify_all();
        if (thread_.joinable()) thread_.join();
    }

private:
    void run(const std::stop_token& stop) {
        RowsRead read;
        read.end = RowsEnd::Full;  // what a failure leaves: the rows are read again
        try {
            read = readHalf(stop);
        } catch (...) {
        }
        {
            std::lock_guard lock(mutex_);
            result_ = std::move(read);
            finished_ = true;
        }
        changed_.notify_all();
    }

    RowsRead readHalf(const std::stop_token& stop) {
        const std::size_t lines = lineEnds(text_.substr(splitAt_));
        std::shared_ptr<TableValues> values;
        std::size_t firstRow = 0;
        {
            std::unique_lock lock(mutex_);
            counted_ = true;
            lines_ = lines;
            changed_.notify_all();
            changed_.wait(lock, [&] { return values_ || stop.stop_requested(); });
            values = values_;
            firstRow = firstRow_;
        }
        RowsRead read;
        read.end = RowsEnd::Stopped;
        if (values) {
            TextScanner scan(text_);
            scan.setPosition(splitAt_);
            read = readRows(scan, *values, firstRow, values->rowCapacity(), dateFields_,
                            [&](std::size_t position) {
                                position_.store(position, std::memory_order_relaxed);
                                return !stop.stop_requested();
                            });
            position_.store(scan.position(), std::memory_order_relaxed);
        }
        return read;
    }

    const std::string_view text_;
    const std::size_t splitAt_;
    const int dateFields_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool counted_ = false;
    std::size_t lines_ = 0;
    std::shared_ptr<TableValues> values_;
    std::size_t firstRow_ = 0;
    std::atomic<std::size_t> position_{0};
    bool finished_ = false;
    RowsRead result_;
    std::jthread thread_;  // last: starts when the rest is ready, ends before the rest goes
};

}  // namespace

TableData readTableData(std::string_view text, const TableDataLayout& layout,
                        const TableProgress& progress, std::size_t minimumSplitBytes) {
    PercentRead percent(progress, text.size());
    const std::size_t dataBytes = text.size() - std::min(layout.dataStart, text.size());
    std::size_t splitAt = 0;
    if (dataBytes >= std::max<std::size_t>(minimumSplitBytes, 2)) {
        const std::size_t middle = layout.dataStart + dataBytes / 2;
        if (const void* found = std::memchr(text.data() + middle, '\n', text.size() - middle))
            splitAt = static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) + 1;
    }
    if (splitAt == 0 || splitAt >= text.size())
        return readOnOneCore(text, layout, percent, nullptr);

    // Each line a row: the first half's lines give the row the second half starts at.
    SecondHalf second(text, splitAt, layout.dateFields);
    const std::size_t firstRows =
        lineEnds(text.substr(layout.dataStart, splitAt - layout.dataStart));
    auto values = std::make_shared<TableValues>(layout.columns, firstRows + second.lines() + 1);
    second.start(values, firstRows);

    TextScanner scan(text.substr(0, splitAt));
    scan.setPosition(layout.dataStart);
    const auto atPosition = [&](std::size_t position) {
        const std::size_t secondPosition = second.position();
        percent.at(position + (secondPosition > splitAt ? secondPosition - splitAt : 0));
        return true;
    };
    RowsRead first = readRows(scan, *values, 0, firstRows, layout.dateFields, atPosition);
    if (first.end == RowsEnd::NotANumber) {
        // The rows end within the first half: the second half's rows do not count.
        second.stop();
        TableData data{values, first.rows, std::move(first.columns), TableDataReading::OneCore};
        percent.at(scan.position());
        return data;
    }
    if (first.end == RowsEnd::TextEnd && first.rows == firstRows) {
        const RowsRead later = second.result([&](std::size_t position) { percent.at(position); });
        if (later.end != RowsEnd::Full) {
            TableData data{values, first.rows + later.rows, std::move(first.columns),
                           TableDataReading::TwoCores};
            addLater(data.columns, later.columns);
            percent.at(second.position());
            return data;
        }
    }
    second.stop();
    TableData data = readOnOneCore(text, layout, percent, values);
    data.reading = TableDataReading::TwoCoresThenOne;
    return data;
}
