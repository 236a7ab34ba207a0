#include "PaintWorkers.h"

#include <exception>
#include <mutex>
#include <thread>
#include <vector>

int PaintWorkerCount(int requested) {
    if (requested > 0) return requested;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(cores);
}

void RunPaintWorkers(int count, const std::function<void(int)>& task) {
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto guarded = [&](int index) {
        try {
            task(index);
        } catch (...) {
            const std::lock_guard<std::mutex> lock(failureLock);
            if (!failure) failure = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(count > 1 ? static_cast<std::size_t>(count - 1) : 0);
    try {
        for (int index = 1; index < count; ++index) threads.emplace_back(guarded, index);
    } catch (...) {
        // No thread for the rest: the calling thread runs them after its own.
        for (int index = static_cast<int>(threads.size()) + 1; index < count; ++index)
            guarded(index);
    }
    if (count > 0) guarded(0);
    for (std::thread& thread : threads) thread.join();
    if (failure) std::rethrow_exception(failure);
}
