#include "TableDates.h"

#include <gtest/gtest.h>

TEST(TableDates, DayNumbersCountFromTheThirtiethOfDecember1899) {
    EXPECT_EQ(encodeTableDate(1899, 12, 30), 0.0);
    EXPECT_EQ(encodeTableDate(1900, 1, 1), 2.0);
    EXPECT_EQ(encodeTableDate(1900, 3, 1), 61.0);
    EXPECT_EQ(encodeTableDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(encodeTableDate(2001, 1, 1), 36892.0);
    EXPECT_EQ(encodeTableDate(1899, 12, 29), -1.0);
    EXPECT_EQ(encodeTableDate(100, 1, 1), -657434.0);
}

TEST(TableDates, ImpossibleDatesAndTimesAreNotEncoded) {
    EXPECT_FALSE(encodeTableDate(2001, 13, 1));
    EXPECT_FALSE(encodeTableDate(2001, 0, 1));
    EXPECT_FALSE(encodeTableDate(2001, 4, 31));
    EXPECT_FALSE(encodeTableDate(2001, 2, 29));
    EXPECT_TRUE(encodeTableDate(2000, 2, 29));
    EXPECT_FALSE(encodeTableDate(1900, 2, 29));
    EXPECT_FALSE(encodeTableDate(0, 1, 1));
    EXPECT_FALSE(encodeTableDate(10000, 1, 1));
    EXPECT_FALSE(encodeTableTime(24, 0, 0));
    EXPECT_FALSE(encodeTableTime(-1, 0, 0));
    EXPECT_FALSE(encodeTableTime(1, 60, 0));
    EXPECT_EQ(encodeTableTime(18, 0, 0), 0.75);
}

TEST(TableDates, TwoDigitYearsAtTheirBorders) {
    EXPECT_EQ(expandTableYear(0), 2000);
    EXPECT_EQ(expandTableYear(49), 2049);
    EXPECT_EQ(expandTableYear(50), 1950);
    EXPECT_EQ(expandTableYear(99), 1999);
    EXPECT_EQ(expandTableYear(100), 100);
    EXPECT_EQ(expandTableYear(2003), 2003);
}

TEST(TableDates, HourTwentyFourIsTheLastSecondOfTheDay) {
    EXPECT_EQ(encodeTableRowDate({2001, 1, 1, 24, 0})->value(), 36892.0 + 86399.0 / 86400.0);
    EXPECT_EQ(encodeTableRowDate({2001, 1, 1, 6, 30})->value(), 36892.0 + 6.5 / 24.0);
    EXPECT_FALSE(encodeTableRowDate({2001, 2, 30, 24, 0}));
    EXPECT_FALSE(encodeTableRowDate({2001, 1, 1, 25, 0}));
}
