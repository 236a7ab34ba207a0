#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

// Rows [first, end) shared among workers as runs of neighbouring rows, each run taken from its
// last row up to its first by one worker. Worker k starts with run k of `workers` equal runs; a
// worker whose run is done takes the upper half of the rows left in the run with the most, as a
// run of its own, while that half has at least `minimumRows` rows. So the workers finish
// together although some rows cost more than others, and each run stays a block of rows.
class RowRuns {
public:
    RowRuns(int first, int end, int workers, int minimumRows);

    // The row of `run` to take next, or none when the run is done.
    std::optional<int> nextRow(int run);
    // A new run with the upper half of what another run has left, or none when no run has
    // enough left; the caller takes it.
    std::optional<int> takeHalf();

    // Once every worker has finished: the runs from the first rows to the last, and a run's
    // first row.
    std::vector<int> runsInRowOrder() const;
    int firstRowOf(int run) const;
    int runCount() const { return count_.load(std::memory_order_acquire); }
    // How many runs there can be at most.
    int capacity() const { return capacity_; }

private:
    // A run's rows still to take, [first, next), as next << 32 | first (both not negative).
    static std::uint64_t pack(int next, int first) {
        return std::uint64_t(std::uint32_t(next)) << 32 | std::uint32_t(first);
    }
    static int nextOf(std::uint64_t rows) { return static_cast<int>(rows >> 32); }
    static int firstOf(std::uint64_t rows) { return static_cast<int>(rows & 0xFFFFFFFF); }

    int capacity_;
    int minimumRows_;
    std::unique_ptr<std::atomic<std::uint64_t>[]> runs_;
    std::atomic<int> count_;
    std::mutex takeMutex_;
};
