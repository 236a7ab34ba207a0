#include "AsciiGridBody.h"

#include <QFile>
#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

#include "AsciiGridReader.h"
#include "LevelStatistics.h"

namespace {

using Result = TextNumberScanner::Result;

QString valuePlace(std::int64_t index, int columns) {
    return cellPlace(int(index / columns), int(index % columns), 0, 1);
}

// Converts numbers into cells [index, end) until the text ends and returns the index reached.
// Each time a row is complete, `rowDone` is told the number of rows done; false stops.
template <typename RowDone>
std::int64_t readValues(TextNumberScanner& scanner, double* cells, std::int64_t index,
                        std::int64_t end, int columns, const QString& fileName, RowDone&& rowDone) {
    while (index < end) {
        const std::int64_t rowEnd = std::min(end, (index / columns + 1) * columns);
        for (; index < rowEnd; ++index) {
            double value;
            const Result result = scanner.nextNumber(value);
            if (result == Result::End) return index;
            if (result != Result::Number)
                throwBadNumber(scanner, result, valuePlace(index, columns), fileName);
            cells[index] = value;
        }
        if (index % columns == 0 && !rowDone(index / columns)) break;
    }
    return index;
}

// The offset right after the first line feed at or after `from` and before `end`; -1 when
// there is none.
std::int64_t lineStartAfter(QIODevice& file, std::int64_t from, std::int64_t end) {
    if (!file.seek(from)) return -1;
    std::vector<char> window(std::size_t(64) << 10);
    for (std::int64_t at = from; at < end;) {
        const qint64 got = file.read(
            window.data(), qint64(std::min<std::int64_t>(qint64(window.size()), end - at)));
        if (got <= 0) return -1;
        if (const void* found = std::memchr(window.data(), '\n', std::size_t(got)))
            return at + (static_cast<const char*>(found) - window.data()) + 1;
        at += got;
    }
    return -1;
}

// The second part of the body, read by a thread of its own into cells [firstIndex, total).
class SecondPart {
public:
    struct State {
        bool firstIndexKnown = false;
        bool counted = false;         // false: the line ends could not be counted
        std::int64_t firstIndex = 0;  // a lower bound while it is not known
        std::int64_t stored = 0;      // values stored from firstIndex on
        bool finished = false;
        std::exception_ptr error;  // the first bad word of the second part
    };

    SecondPart(std::unique_ptr<QFile> file, std::int64_t bodyStart, std::int64_t splitAt,
               GridRows& level, std::size_t chunkSize, const QString& fileName)
        : file_(std::move(file)),
          bodyStart_(bodyStart),
          splitAt_(splitAt),
          cells_(level.data()),
          total_(std::int64_t(level.rowCount()) * level.columnCount()),
          columns_(level.columnCount()),
          chunkSize_(chunkSize),
          fileName_(fileName),
          thread_([this](std::stop_token stop) { run(stop); }) {}

    State now() {
        std::lock_guard lock(mutex_);
        return state_;
    }
    template <typename Until>
    State waitFor(Until until) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return state_.finished || until(state_); });
        return state_;
    }
    // Stops the thread and waits for it; its values are then left alone.
    void stop() {
        thread_.request_stop();
        if (thread_.joinable()) thread_.join();
    }

private:
    template <typename Change>
    void update(Change change) {
        {
            std::lock_guard lock(mutex_);
            change(state_);
        }
        changed_.notify_one();
    }

    // Row ends are line ends, except the end of the header's last line when only separators
    // stand between the header's last number and it. rows × columns, capped at the total.
    std::int64_t valuesBefore(std::int64_t lines) const {
        return lines > total_ / columns_ ? total_ : lines * columns_;
    }

    // The line ends between the body's start and the split, each a row; -1 when they cannot
    // be read. Lower bounds of the first index are published while counting.
    std::int64_t countRows(const std::stop_token& stop) {
        if (!file_->seek(bodyStart_)) return -1;
        std::vector<char> chunk(chunkSize_);
        std::int64_t lines = 0;
        bool inFirstLine = true;
        bool firstLineBlank = true;
        for (std::int64_t at = bodyStart_; at < splitAt_;) {
            if (stop.stop_requested()) return -1;
            const qint64 got = file_->read(
                chunk.data(), qint64(std::min<std::int64_t>(qint64(chunk.size()), splitAt_ - at)));
            if (got <= 0) return -1;
            const char* next = chunk.data();
            const char* const end = next + got;
            if (inFirstLine) {
                const auto* lineEnd = static_cast<const char*>(std::memchr(next, '\n', end - next));
                firstLineBlank = firstLineBlank && std::all_of(next, lineEnd ? lineEnd : end,
                                                               TextNumberScanner::isSeparator);
                if (lineEnd) {
                    inFirstLine = false;
                    if (!firstLineBlank) ++lines;
                }
                next = lineEnd ? lineEnd + 1 : end;
            }
            while (const void* lineEnd = std::memchr(next, '\n', std::size_t(end - next))) {
                ++lines;
                next = static_cast<const char*>(lineEnd) + 1;
            }
            at += got;
            update([&](State& s) { s.firstIndex = valuesBefore(lines); });
        }
        return lines;
    }

    void run(const std::stop_token& stop) {
        try {
            const std::int64_t lines = countRows(stop);
            const bool counted = lines >= 0 && file_->seek(splitAt_);
            const std::int64_t first = counted ? valuesBefore(lines) : 0;
            update([&](State& s) {
                s.firstIndexKnown = true;
                s.counted = counted;
                s.firstIndex = first;
            });
            if (counted && first < total_ && !stop.stop_requested()) {
                TextNumberScanner scanner(*file_, fileName_, chunkSize_);
                const std::int64_t reached = readValues(
                    scanner, cells_, first, total_, columns_, fileName_, [&](std::int64_t rows) {
                        update([&](State& s) { s.stored = rows * columns_ - first; });
                        return !stop.stop_requested();
                    });
                if (reached < total_ && !stop.stop_requested())
                    throwBadNumber(scanner, Result::End, valuePlace(reached, columns_), fileName_);
            }
        } catch (...) {
            update([](State& s) { s.error = std::current_exception(); });
        }
        update([](State& s) {
            s.firstIndexKnown = true;
            s.finished = true;
        });
    }

    std::unique_ptr<QFile> file_;
    const std::int64_t bodyStart_;
    const std::int64_t splitAt_;
    double* const cells_;
    const std::int64_t total_;
    const int columns_;
    const std::size_t chunkSize_;
    const QString fileName_;
    std::mutex mutex_;
    std::condition_variable changed_;
    State state_;
    std::jthread thread_;  // last: starts when the rest is ready, ends before the rest goes
};

}  // namespace

AsciiBodyReading readAsciiGridBody(TextNumberScanner& scanner, const AsciiBodySplit& split,
                                   GridRows& level, double nodata, StatClass& stats,
                                   const RowCallback& beforeRow, const QString& fileName) {
    const int rows = level.rowCount();
    const int columns = level.columnCount();
    const std::int64_t total = std::int64_t(rows) * columns;
    double* const cells = level.data();

    const std::int64_t bodyStart = scanner.consumed();
    std::int64_t splitAt = -1;
    std::unique_ptr<QFile> file;
    if (!split.path.isEmpty() && rows > 1 &&
        split.fileSize - bodyStart >= std::max<std::int64_t>(split.minimumBodyBytes, 2)) {
        file = std::make_unique<QFile>(split.path);
        if (file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            splitAt =
                lineStartAfter(*file, bodyStart + (split.fileSize - bodyStart) / 2, split.fileSize);
    }
    // The first part's reader may already hold bytes beyond the middle of a short body.
    if (splitAt < scanner.readOffset() || splitAt >= split.fileSize) {
        readAsciiBody(scanner, {&level}, nodata, stats, beforeRow, fileName);
        return AsciiBodyReading::OneCore;
    }

    scanner.stopAt(splitAt);
    SecondPart second(std::move(file), bodyStart, splitAt, level, split.chunkSize, fileName);

    // Rows go into the statistics in order, as soon as they are complete; `beforeRow` is told
    // each row once, when as many rows are done as its index.
    std::int64_t statisticsRows = 0;
    int announced = 0;
    const auto addStatistics = [&](std::int64_t values) {
        for (; statisticsRows < values / columns; ++statisticsRows)
            addRowStatistics(stats, level.row(int(statisticsRows)), columns, nodata);
    };
    const auto announce = [&](std::int64_t rowsDone) {
        for (; announced < rows && announced <= rowsDone; ++announced)
            if (beforeRow) beforeRow(announced);
    };

    // The first part, row by row, never beyond what the line count allows.
    announce(0);
    SecondPart::State state = second.now();
    std::int64_t index = 0;
    bool firstPartEnded = false;
    while (index < total) {
        const std::int64_t rowEnd = std::min(total, (index / columns + 1) * columns);
        if (rowEnd > std::min(state.firstIndex, total)) {
            if (state.firstIndexKnown) break;
            state = second.waitFor([&](const SecondPart::State& s) {
                return s.firstIndexKnown || s.firstIndex >= rowEnd;
            });
            continue;
        }
        index = readValues(scanner, cells, index, rowEnd, columns, fileName,
                           [](std::int64_t) { return true; });
        if (index < rowEnd) {
            firstPartEnded = true;
            break;
        }
        addStatistics(index);
        state = second.now();
        announce(index / columns + state.stored / columns);
    }
    if (index >= total) {
        second.stop();
        return AsciiBodyReading::OneCore;
    }
    firstPartEnded = firstPartEnded || scanner.atEnd();
    state = second.waitFor([](const SecondPart::State& s) { return s.firstIndexKnown; });

    if (state.counted && firstPartEnded && index == state.firstIndex) {
        // The second part starts where the first ends: follow it to its end.
        for (std::int64_t seen = -1;;) {
            state = second.waitFor([&](const SecondPart::State& s) { return s.stored != seen; });
            seen = state.stored;
            addStatistics(index + state.stored);
            announce((index + state.stored) / columns);
            if (state.finished) break;
        }
        if (state.error) std::rethrow_exception(state.error);
        return AsciiBodyReading::TwoCores;
    }

    second.stop();
    scanner.resumeAfterStop();
    const std::int64_t reached =
        readValues(scanner, cells, index, total, columns, fileName, [&](std::int64_t rowsDone) {
            addStatistics(rowsDone * columns);
            announce(rowsDone);
            return true;
        });
    if (reached < total)
        throwBadNumber(scanner, Result::End, valuePlace(reached, columns), fileName);
    return AsciiBodyReading::TwoCoresThenOne;
}
