#include "RowRuns.h"

#include <gtest/gtest.h>

#include <map>
#include <thread>
#include <vector>

TEST(RowRuns, AFinishedWorkerTakesTheUpperHalfOfTheFullestRun) {
    RowRuns runs(10, 30, 2, 3);
    EXPECT_EQ(runs.nextRow(1), 29);
    EXPECT_EQ(runs.nextRow(1), 28);
    // Run 0 has [10, 20) left, run 1 [20, 28): run 0 gives [10, 15) away.
    EXPECT_EQ(runs.takeHalf(), 2);
    EXPECT_EQ(runs.nextRow(2), 14);
    EXPECT_EQ(runs.nextRow(0), 19);
    // Now run 1 has most: [20, 28) becomes [24, 28) and [20, 24).
    EXPECT_EQ(runs.takeHalf(), 3);
    EXPECT_EQ(runs.nextRow(3), 23);
    EXPECT_EQ(runs.nextRow(1), 27);
    // No run has twice three rows left.
    EXPECT_EQ(runs.takeHalf(), std::nullopt);
    EXPECT_EQ(runs.runCount(), 4);
    EXPECT_EQ(runs.runsInRowOrder(), (std::vector<int>{2, 0, 3, 1}));
    EXPECT_EQ(runs.firstRowOf(2), 10);
    EXPECT_EQ(runs.firstRowOf(0), 15);
    EXPECT_EQ(runs.firstRowOf(3), 20);
    EXPECT_EQ(runs.firstRowOf(1), 24);
}

TEST(RowRuns, EveryRowIsTakenOnceAndEachRunIsABlockTakenUpwards) {
    constexpr int Workers = 4;
    constexpr int First = 3;
    constexpr int End = 4003;
    RowRuns runs(First, End, Workers, 8);
    std::vector<std::vector<std::pair<int, int>>> taken(Workers);  // (run, row) per worker
    std::atomic<int> finished = 0;
    std::vector<std::thread> threads;
    for (int k = 0; k < Workers; ++k) {
        threads.emplace_back([&, k] {
            // Worker 0 starts only once the others are done, so they take its rows.
            if (k == 0)
                while (finished.load() < Workers - 1) std::this_thread::yield();
            for (std::optional<int> run = k; run; run = runs.takeHalf())
                while (const std::optional<int> row = runs.nextRow(*run))
                    taken[static_cast<std::size_t>(k)].emplace_back(*run, *row);
            ++finished;
        });
    }
    for (std::thread& thread : threads) thread.join();

    EXPECT_GT(runs.runCount(), Workers);
    std::map<int, std::vector<int>> rowsOfRun;
    std::vector<int> timesTaken(End, 0);
    for (const auto& list : taken)
        for (const auto& [run, row] : list) {
            rowsOfRun[run].push_back(row);
            ++timesTaken[static_cast<std::size_t>(row)];
        }
    for (int row = First; row < End; ++row) ASSERT_EQ(timesTaken[static_cast<std::size_t>(row)], 1);
    // In row order, each run takes up where the one before ends, from its last row down.
    int next = First;
    for (const int run : runs.runsInRowOrder()) {
        const std::vector<int>& rows = rowsOfRun[run];
        ASSERT_FALSE(rows.empty()) << run;
        EXPECT_EQ(runs.firstRowOf(run), next);
        for (std::size_t k = 0; k < rows.size(); ++k)
            EXPECT_EQ(rows[k], next + static_cast<int>(rows.size() - 1 - k)) << run;
        next += static_cast<int>(rows.size());
    }
    EXPECT_EQ(next, End);
}
