#include "GeneratorTable.h"

#include <gtest/gtest.h>

#include "FieldGenTesting.h"

namespace {

FieldParameters field(const QString& fileName, int nrows, int ncols, int seed = 7) {
    FieldParameters parameters;
    parameters.fileName = fileName;
    parameters.nrows = nrows;
    parameters.ncols = ncols;
    parameters.initValue = seed;
    return parameters;
}

int startAttached(GeneratorTable& table, const FieldParameters& parameters,
                  RecordingMonitor& monitor) {
    const auto started = table.start(parameters);
    EXPECT_TRUE(started);
    if (!started) return -1;
    table.attach(started->slot, &monitor);
    return started->slot;
}

}  // namespace

TEST(GeneratorTable, StepsThroughEveryCellOnceAndWritesTheFile) {
    InTemporaryFolder folder;
    GeneratorTable table;
    RecordingMonitor monitor;
    RecordingHost host;
    const int slot = startAttached(table, field(QStringLiteral("f.000"), 7, 30), monitor);
    EXPECT_EQ(slot, 0);
    EXPECT_EQ(monitor.status, GeneratorStatus::Running);
    table.run(host);

    // 210 cells in steps of 100: each step starts on the cell after the last one computed.
    ASSERT_EQ(monitor.paints.size(), 3u);
    EXPECT_EQ(monitor.paints[0].startRow, 1);
    EXPECT_EQ(monitor.paints[0].startCol, 1);
    EXPECT_EQ(monitor.paints[0].endRow, 4);
    EXPECT_EQ(monitor.paints[0].endCol, 10);
    EXPECT_EQ(monitor.paints[1].startRow, 4);
    EXPECT_EQ(monitor.paints[1].startCol, 11);
    EXPECT_EQ(monitor.paints[1].endRow, 7);
    EXPECT_EQ(monitor.paints[1].endCol, 20);
    EXPECT_EQ(monitor.paints[2].startRow, 7);
    EXPECT_EQ(monitor.paints[2].startCol, 21);
    // Progress in per mille of the advanced cursor.
    ASSERT_EQ(monitor.progress.size(), 3u);
    EXPECT_EQ(monitor.progress[0], (3 * 30 + 11) * 1000 / 210);
    EXPECT_GE(monitor.progress[2], 1000);
    EXPECT_EQ(monitor.status, GeneratorStatus::Finished);

    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_EQ(host.ended[0], std::make_pair(0, GeneratorStatus::Finished));
    EXPECT_TRUE(host.failures.empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(table.running(), 0);
    EXPECT_FALSE(table.entry(0).inUse);
    EXPECT_TRUE(fileBytes(folder.path(QStringLiteral("f.000"))).startsWith("ncols        30\r\n"));
}

TEST(GeneratorTable, TheBudgetOfAPassIsSharedAmongTheRunningGenerators) {
    for (const auto& [count, budget] : {std::pair{1, 100}, {2, 50}, {3, 33}, {20, 5}}) {
        InTemporaryFolder folder;
        GeneratorTable table;
        RecordingHost host;
        std::vector<RecordingMonitor> monitors(count);
        for (int i = 0; i < count; ++i)
            startAttached(table, field(QStringLiteral("f.%1").arg(i), 20, 20), monitors[i]);
        EXPECT_EQ(table.running(), count);
        table.runPass(host);
        for (int slot = 0; slot < count; ++slot) {
            EXPECT_EQ(table.entry(slot).cellsPerStep, budget) << count;
            // The cursor stands on the first cell of the next step.
            const GeneratorEntry& entry = table.entry(slot);
            EXPECT_EQ((entry.row - 1) * 20 + entry.col - 1, budget) << count;
        }
        table.cancelAll();
        table.run(host);
        EXPECT_EQ(table.running(), 0);
    }
}

TEST(GeneratorTable, TwentyGeneratorsFillEverySlot) {
    InTemporaryFolder folder;
    GeneratorTable table;
    std::vector<RecordingMonitor> monitors(GeneratorTable::SlotCount);
    for (int i = 0; i < GeneratorTable::SlotCount; ++i)
        EXPECT_EQ(startAttached(table, field(QStringLiteral("f.%1").arg(i), 2, 2), monitors[i]), i);
    EXPECT_TRUE(table.full());
    EXPECT_FALSE(table.start(field(QStringLiteral("g"), 2, 2)));
    RecordingHost host;
    table.run(host);
    EXPECT_EQ(host.ended.size(), 20u);
    EXPECT_FALSE(table.full());
}

TEST(GeneratorTable, ACancelledGeneratorLeavesNoFileAndFreesItsSlot) {
    InTemporaryFolder folder;
    GeneratorTable table;
    RecordingMonitor monitor;
    RecordingHost host;
    startAttached(table, field(QStringLiteral("gone.000"), 50, 50), monitor);
    // Cancelled after the first step, from inside the message processing.
    host.onMessages = [&] { monitor.status = GeneratorStatus::Cancelled; };
    table.run(host);
    EXPECT_EQ(monitor.paints.size(), 1u);
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_EQ(host.ended[0], std::make_pair(0, GeneratorStatus::Cancelled));
    EXPECT_FALSE(QFile::exists(folder.path(QStringLiteral("gone.000"))));
    EXPECT_EQ(table.running(), 0);

    RecordingMonitor next;
    EXPECT_EQ(startAttached(table, field(QStringLiteral("next.000"), 2, 2), next), 0);
    table.run(host);
    EXPECT_TRUE(QFile::exists(folder.path(QStringLiteral("next.000"))));
}

TEST(GeneratorTable, AFieldThatCannotBeWrittenIsReportedWithItsName) {
    InTemporaryFolder folder;
    GeneratorTable table;
    RecordingMonitor monitor;
    RecordingHost host;
    const QString name = folder.path(QStringLiteral("missing/folder/f.000"));
    startAttached(table, field(name, 3, 3), monitor);
    table.run(host);
    ASSERT_EQ(host.failures.size(), 1u);
    EXPECT_EQ(host.failures[0].first, name);
    EXPECT_NE(host.failures[0].second, 0);
    EXPECT_EQ(table.running(), 0);
}

TEST(GeneratorTable, AGeneratorStartedDuringAPassJoinsTheRunningLoop) {
    InTemporaryFolder folder;
    GeneratorTable table;
    RecordingMonitor first;
    RecordingMonitor second;
    RecordingHost host;
    startAttached(table, field(QStringLiteral("a.000"), 10, 30), first);
    bool started = false;
    host.onMessages = [&] {
        if (started) return;
        started = true;
        startAttached(table, field(QStringLiteral("b.000"), 10, 30), second);
        EXPECT_TRUE(table.looping());
        table.run(host);  // a nested start does not enter a second loop
    };
    table.run(host);
    EXPECT_FALSE(table.looping());
    // The second step of the first generator shares the pass with the new one.
    ASSERT_GE(first.paints.size(), 2u);
    EXPECT_EQ(first.paints[1].startCol, 11);
    EXPECT_EQ(first.paints[1].startRow, 4);
    EXPECT_EQ(first.paints[1].endCol, 30);  // 50 cells: columns 11..30 of row 4, then row 5
    EXPECT_EQ(first.paints[1].endRow, 5);
    EXPECT_EQ(first.status, GeneratorStatus::Finished);
    EXPECT_EQ(second.status, GeneratorStatus::Finished);
    EXPECT_TRUE(QFile::exists(folder.path(QStringLiteral("a.000"))));
    EXPECT_TRUE(QFile::exists(folder.path(QStringLiteral("b.000"))));
}

namespace {

// A kernel that never reports its last cell.
int neverDone(int, int* row, int* col, int) {
    *row = 2;
    *col = 2;
    return -1;
}

}  // namespace

TEST(GeneratorTable, AKernelThatPassesItsLastCellUnfinishedIsDiscarded) {
    InTemporaryFolder folder;
    KelvraCalls calls = linkedKelvra();
    calls.run_kernel_stepwise = neverDone;
    GeneratorTable table(calls);
    RecordingMonitor monitor;
    RecordingHost host;
    startAttached(table, field(QStringLiteral("odd.000"), 2, 2), monitor);
    table.run(host);  // ends instead of looping for ever
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0],
              QStringLiteral("Status von Generator 0 ist ungleich 1, aber die letzte Zelle ist "
                             "abgearbeitet!"));
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_EQ(host.ended[0].second, GeneratorStatus::Cancelled);
    EXPECT_FALSE(QFile::exists(folder.path(QStringLiteral("odd.000"))));
    EXPECT_EQ(table.running(), 0);
}

TEST(GeneratorTable, AStartTheKernelRefusesFreesTheSlot) {
    InTemporaryFolder folder;
    GeneratorTable table;
    EXPECT_FALSE(table.start(field(QStringLiteral("f"), 0, 5)));
    EXPECT_EQ(table.running(), 0);
    EXPECT_FALSE(table.entry(0).inUse);
}
