#include "DoubleGridBody.h"

#include <QFile>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <vector>

#include "BinaryGridFormat.h"
#include "GridFormatError.h"
#include "LittleEndian.h"

namespace {

// The chunks of a body: who takes which, and which are read (or failed).
class Chunks {
public:
    explicit Chunks(std::size_t count) : count_(count), done_(count, false), errors_(count) {}

    std::optional<std::size_t> take() {
        const std::size_t chunk = next_.fetch_add(1);
        return chunk < count_ ? std::optional(chunk) : std::nullopt;
    }
    void finish(std::size_t chunk, std::exception_ptr error) {
        {
            std::lock_guard lock(mutex_);
            done_[chunk] = true;
            errors_[chunk] = std::move(error);
        }
        changed_.notify_all();
    }
    bool isDone(std::size_t chunk) {
        std::lock_guard lock(mutex_);
        return done_[chunk];
    }
    // Waits until `chunk` is read; its error, if it failed.
    std::exception_ptr waitFor(std::size_t chunk) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return bool(done_[chunk]); });
        return errors_[chunk];
    }

private:
    const std::size_t count_;
    std::atomic<std::size_t> next_{0};
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<bool> done_;
    std::vector<std::exception_ptr> errors_;
};

struct Body {
    char* bytes;
    std::int64_t start;  // offset of the body in the file
    std::int64_t size;
    std::int64_t valueCount;
    std::size_t chunkBytes;
    const QString& fileName;

    void readChunk(QIODevice& device, std::size_t chunk) const {
        const std::int64_t offset = std::int64_t(chunk) * std::int64_t(chunkBytes);
        const std::size_t count = std::size_t(std::min<std::int64_t>(chunkBytes, size - offset));
        if (!device.seek(start + offset))
            throw GridFormatError(
                GridFormatError::Kind::Read,
                QStringLiteral("Could not read \"%1\": %2").arg(fileName, device.errorString()));
        readBodyBytes(device, bytes + offset, count, offset / 8, valueCount, 8, fileName);
        swapToLittleEndian(reinterpret_cast<double*>(bytes + offset), count / 8);
    }
};

void readTakenChunk(const Body& body, QIODevice& device, Chunks& chunks, std::size_t chunk) {
    std::exception_ptr error;
    try {
        body.readChunk(device, chunk);
    } catch (...) {
        error = std::current_exception();
    }
    chunks.finish(chunk, std::move(error));
}

}  // namespace

bool readDoubleGridBody(QIODevice& device, const BinaryBodySplit& split, GridRows& level,
                        double nodata, StatClass& stats, const RowCallback& beforeRow,
                        const QString& fileName) {
    const int rows = level.rowCount();
    const int columns = level.columnCount();
    const std::int64_t valueCount = std::int64_t(rows) * columns;
    const std::int64_t rowBytes = std::int64_t(columns) * 8;
    const Body body{reinterpret_cast<char*>(level.data()),
                    device.pos(),
                    valueCount * 8,
                    valueCount,
                    std::max<std::size_t>(split.chunkBytes / 8 * 8, 8),
                    fileName};
    if (split.path.isEmpty() || device.isSequential() || body.size < split.minimumBodyBytes)
        return false;
    QFile file(split.path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;

    const std::size_t count = std::size_t((body.size + std::int64_t(body.chunkBytes) - 1) /
                                          std::int64_t(body.chunkBytes));
    Chunks chunks(count);
    std::jthread second([&](std::stop_token stop) {
        while (!stop.stop_requested())
            if (const auto chunk = chunks.take())
                readTakenChunk(body, file, chunks, *chunk);
            else
                break;
    });

    int row = 0;
    for (std::size_t chunk = 0; chunk < count; ++chunk) {
        // Rather than wait for the next chunk in order, read one nobody has taken yet.
        while (!chunks.isDone(chunk)) {
            if (const auto other = chunks.take())
                readTakenChunk(body, device, chunks, *other);
            else
                break;
        }
        if (const std::exception_ptr error = chunks.waitFor(chunk)) std::rethrow_exception(error);
        const std::int64_t readBytes =
            std::min(body.size, std::int64_t(chunk + 1) * std::int64_t(body.chunkBytes));
        const int completeRows = chunk + 1 == count ? rows : int(readBytes / rowBytes);
        for (; row < completeRows; ++row) {
            if (beforeRow) beforeRow(row);
            addBodyRow(level.row(row), columns, nodata, stats);
        }
    }
    return true;
}
