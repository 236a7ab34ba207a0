#include "SeriesStyleTable.h"

#include <gtest/gtest.h>

TEST(SeriesStyleTable, FirstLooksAreRedBlueGreenAndTheSecondHalfIsWider) {
    SeriesStyleTable styles;
    ASSERT_EQ(SeriesStyleTable::EntryCount, 32);
    EXPECT_EQ(styles.entry(styles.take()).colour.value, 0x0000FFu);
    EXPECT_EQ(styles.entry(styles.take()).colour.value, 0xFF0000u);
    EXPECT_EQ(styles.entry(styles.take()).colour.value, 0x008000u);
    EXPECT_EQ(styles.entry(16).colour.value, 0x0000FFu);
    EXPECT_EQ(styles.entry(16).width, 2);
    EXPECT_EQ(styles.entry(15).width, 1);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(styles.entry(i).penStyle, 0);
}

TEST(SeriesStyleTable, LeastUsedEntryWinsAndAFreedOneIsReusedFirst) {
    SeriesStyleTable styles;
    for (int i = 0; i < 32; ++i) EXPECT_EQ(styles.take(), i);
    // The 33rd series starts the round again at red, width 1.
    EXPECT_EQ(styles.take(), 0);
    EXPECT_EQ(styles.entry(0).useCount, 2);

    styles.release(4);
    EXPECT_EQ(styles.take(), 4);
    EXPECT_EQ(styles.take(), 1);
}

TEST(SeriesStyleTable, ReleasingAnUnusedOrUnknownEntryChangesNothing) {
    SeriesStyleTable styles;
    styles.release(-1);
    styles.release(32);
    styles.release(3);
    EXPECT_EQ(styles.entry(3).useCount, 0);
    EXPECT_EQ(styles.take(), 0);
}
