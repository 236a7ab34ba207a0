#include "RowRuns.h"

#include <algorithm>
#include <utility>

RowRuns::RowRuns(int first, int end, int workers, int minimumRows)
    : capacity_(4 * std::max(workers, 1)),
      minimumRows_(std::max(minimumRows, 1)),
      runs_(std::make_unique<std::atomic<std::uint64_t>[]>(static_cast<std::size_t>(capacity_))),
      count_(std::max(workers, 1)) {
    const int count = count_.load(std::memory_order_relaxed);
    const std::int64_t rows = end - first;
    for (int k = 0; k < count; ++k)
        runs_[static_cast<std::size_t>(k)].store(
            pack(first + static_cast<int>(rows * (k + 1) / count),
                 first + static_cast<int>(rows * k / count)),
            std::memory_order_relaxed);
}

std::optional<int> RowRuns::nextRow(int run) {
    std::atomic<std::uint64_t>& rows = runs_[static_cast<std::size_t>(run)];
    std::uint64_t left = rows.load(std::memory_order_acquire);
    // Only this run's worker lowers next and only takeHalf raises first, so a row is taken by
    // exactly one of them.
    while (nextOf(left) > firstOf(left))
        if (rows.compare_exchange_weak(left, pack(nextOf(left) - 1, firstOf(left)),
                                       std::memory_order_acq_rel))
            return nextOf(left) - 1;
    return std::nullopt;
}

std::optional<int> RowRuns::takeHalf() {
    const std::lock_guard lock(takeMutex_);
    const int count = count_.load(std::memory_order_relaxed);
    if (count == capacity_) return std::nullopt;
    for (;;) {
        int fullest = -1;
        std::uint64_t fullestRows = 0;
        for (int k = 0; k < count; ++k) {
            const std::uint64_t rows =
                runs_[static_cast<std::size_t>(k)].load(std::memory_order_acquire);
            if (fullest < 0 ||
                nextOf(rows) - firstOf(rows) > nextOf(fullestRows) - firstOf(fullestRows)) {
                fullest = k;
                fullestRows = rows;
            }
        }
        const int left = nextOf(fullestRows) - firstOf(fullestRows);
        if (left < 2 * minimumRows_) return std::nullopt;
        const int middle = firstOf(fullestRows) + left / 2;
        if (runs_[static_cast<std::size_t>(fullest)].compare_exchange_strong(
                fullestRows, pack(nextOf(fullestRows), middle), std::memory_order_acq_rel)) {
            runs_[static_cast<std::size_t>(count)].store(pack(middle, firstOf(fullestRows)),
                                                         std::memory_order_relaxed);
            count_.store(count + 1, std::memory_order_release);
            return count;
        }
        // Its worker took a row meanwhile: look again.
    }
}

int RowRuns::firstRowOf(int run) const {
    return firstOf(runs_[static_cast<std::size_t>(run)].load(std::memory_order_acquire));
}

std::vector<int> RowRuns::runsInRowOrder() const {
    std::vector<int> order(static_cast<std::size_t>(runCount()));
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = static_cast<int>(k);
    // Runs left without rows share their first row with a neighbour; the first runs keep their
    // order among those.
    std::sort(order.begin(), order.end(), [this](int a, int b) {
        return std::pair(firstRowOf(a), a) < std::pair(firstRowOf(b), b);
    });
    return order;
}
