#include "FieldSize.h"

#include <gtest/gtest.h>

#include <QFile>
#include <climits>

#include "BatchCommandLine.h"
#include "FieldGenTesting.h"
#include "FileSizeLimit.h"

namespace {

constexpr std::uint64_t GiB = std::uint64_t{1} << 30;

FieldParameters grid(int nrows, int ncols) {
    FieldParameters parameters;
    parameters.nrows = nrows;
    parameters.ncols = ncols;
    return parameters;
}

}  // namespace

TEST(FieldSize, MemoryCountsTheCellsAndTheModesWithoutOverflow) {
    // 101 × 101 cells and 5 tables of 501 mode values.
    EXPECT_EQ(fieldMemoryBytes(100, 100), 101u * 101u * 8u + 5u * 501u * 8u);
    // One column, but as many modes as rows.
    EXPECT_EQ(fieldMemoryBytes(INT_MAX, 1),
              (std::uint64_t{1} << 31) * 2 * 8 + 5 * 8 * (std::uint64_t{1} << 31));
    EXPECT_EQ(fieldMemoryBytes(INT_MAX, INT_MAX), UINT64_MAX);
}

TEST(FieldSize, FieldsBeyondTheMemoryAreRefusedWithBothNumbers) {
    const MachineRoom room{16 * GiB, std::nullopt};
    const auto huge = refusalOfSize(grid(1000000, 1000000), room);
    ASSERT_TRUE(huge);
    EXPECT_TRUE(huge->contains(QStringLiteral("%1 bytes").arg(fieldMemoryBytes(1000000, 1000000))))
        << qPrintable(*huge);
    EXPECT_TRUE(huge->contains(QStringLiteral("17179869184 bytes (16.0 GiB)")))
        << qPrintable(*huge);
    EXPECT_TRUE(refusalOfSize(grid(INT_MAX, 1), MachineRoom{64 * GiB, std::nullopt}));
    EXPECT_FALSE(refusalOfSize(grid(10000, 10000), room));
    // The limit is what the generator holds, not more.
    const std::uint64_t exact = fieldMemoryBytes(3000, 2000);
    EXPECT_FALSE(refusalOfSize(grid(3000, 2000), MachineRoom{exact, std::nullopt}));
    EXPECT_TRUE(refusalOfSize(grid(3000, 2000), MachineRoom{exact - 1, std::nullopt}));
}

TEST(FieldSize, RowsTheKernelCannotHoldInOneBlockAreRefused) {
    const MachineRoom plenty{UINT64_MAX, std::nullopt};
    const auto refusal = refusalOfSize(grid(1, 268434997), plenty);
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(refusal->contains(QStringLiteral("at most 268434996 columns")));
    EXPECT_FALSE(refusalOfSize(grid(1, 268434996), plenty));
}

TEST(FieldSize, AGridFileBeyondTheRoomOfItsFolderIsRefusedWithBothNumbers) {
    FieldParameters parameters = grid(1000, 1000);
    parameters.fileName = QStringLiteral("/data/out.asc");
    const std::uint64_t needed = gridFileBytes(parameters);
    const auto refusal = refusalOfSize(parameters, MachineRoom{64 * GiB, 5000000});
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(refusal->contains(QStringLiteral("about %1 bytes").arg(needed)))
        << qPrintable(*refusal);
    EXPECT_TRUE(refusal->contains(QStringLiteral("room for 5000000 bytes")));
    EXPECT_TRUE(refusal->contains(QStringLiteral("\"/data/out.asc\"")));
    EXPECT_FALSE(refusalOfSize(parameters, MachineRoom{64 * GiB, needed}));
}

// The estimate stays below what the kernel writes: exact for a constant field, and at least four
// fifths of it for normal and logarithmic ones.
TEST(FieldSize, TheFileEstimateComesCloseBelowTheWrittenSize) {
    InTemporaryFolder folder;
    struct Case {
        double average, deviation;
        int distributionType;
        double lowest;  // share of the written size the estimate reaches at least
    };
    for (const Case& c : {Case{2.5, 0, 0, 1.0}, Case{0, 1, 0, 0.8}, Case{1000, 30, 0, 0.8},
                          Case{1, 0.5, 1, 0.8}, Case{1, 1e-12, 0, 1.0}}) {
        BatchJob job;
        job.parameters = grid(40, 60);
        job.parameters.fileName = folder.path(QStringLiteral("f.asc"));
        job.parameters.average = c.average;
        job.parameters.stdDeviation = c.deviation;
        job.parameters.distributionType = c.distributionType;
        job.parameters.initValue = 11;
        std::FILE* errors = std::tmpfile();
        ASSERT_EQ(runBatchJob(job, errors, false), 0);
        std::fclose(errors);
        const auto size = std::uint64_t(QFile(job.parameters.fileName).size());
        const std::uint64_t estimate = gridFileBytes(job.parameters);
        EXPECT_LE(estimate, size) << c.average << " " << c.deviation;
        EXPECT_GE(double(estimate), c.lowest * double(size)) << c.average << " " << c.deviation;
    }
}

TEST(FieldSize, TheRoomForAFileIsTheFreeSpaceWithinTheFileSizeLimit) {
    InTemporaryFolder folder;
    const MachineRoom room = machineRoomFor(folder.path(QStringLiteral("f.asc")));
    EXPECT_GT(room.memoryBytes, 0u);
    EXPECT_LT(room.memoryBytes, UINT64_MAX);
    ASSERT_TRUE(room.fileBytes);
    {
        FileSizeLimit limit(123456);
        EXPECT_EQ(machineRoomFor(folder.path(QStringLiteral("f.asc"))).fileBytes, 123456u);
    }
    // A device takes what it is sent, whatever the room of its folder.
    EXPECT_FALSE(machineRoomFor(QStringLiteral("/dev/null")).fileBytes);
}
