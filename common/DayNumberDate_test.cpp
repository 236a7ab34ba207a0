#include "DayNumberDate.h"

#include <gtest/gtest.h>

TEST(DayNumberDate, KnownDaysMatchTheCalendarOfTheCharts) {
    EXPECT_EQ(encodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(encodeDate(1899, 12, 31), 1.0);
    EXPECT_EQ(encodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(encodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(encodeDate(1899, 12, 29), -1.0);
}

TEST(DayNumberDate, TimeOfDayIsTheFraction) {
    EXPECT_DOUBLE_EQ(*encodeDateTime(2000, 1, 1, 6, 0), 36526.25);
    EXPECT_DOUBLE_EQ(*encodeDateTime(2000, 1, 1, 23, 59, 59, 999), 36526 + 86399999 / 86400000.0);
    EXPECT_DOUBLE_EQ(*encodeDateTime(2000, 1, 1, 1, 30), 36526 + 1.5 / 24);
}

TEST(DayNumberDate, ImpossibleDatesAndTimesAreReported) {
    EXPECT_FALSE(encodeDate(2001, 13, 1));
    EXPECT_FALSE(encodeDate(2001, 2, 29));
    EXPECT_TRUE(encodeDate(2000, 2, 29));
    EXPECT_FALSE(encodeDate(0, 1, 1));
    EXPECT_FALSE(encodeDate(10000, 1, 1));
    EXPECT_FALSE(encodeDateTime(2001, 1, 1, 24, 0));
    EXPECT_FALSE(encodeDateTime(2001, 1, 1, 23, 60));
    EXPECT_FALSE(encodeDateTime(2001, 1, 1, -1, 0));
    EXPECT_FALSE(encodeDateTime(2001, 1, 32, 0, 0));
}

TEST(DayNumberDate, ConversionsRoundTripThroughQt) {
    const QDateTime moment(QDate(2003, 7, 14), QTime(13, 45, 10, 250), Qt::UTC);
    const double number = dayNumberFromDateTime(moment);
    EXPECT_EQ(dateTimeFromDayNumber(number), moment);
    EXPECT_EQ(dateFromDayNumber(number), QDate(2003, 7, 14));
    EXPECT_EQ(dayNumberFromDate(QDate(1899, 12, 30)), 0.0);
    // Before the zero day the time of day still counts forward from midnight.
    EXPECT_EQ(dateTimeFromDayNumber(-0.75), QDateTime(QDate(1899, 12, 29), QTime(6, 0), Qt::UTC));
    // A local time reads as its date and time of day.
    EXPECT_EQ(dayNumberFromDateTime(QDateTime(QDate(2000, 1, 1), QTime(12, 0))), 36526.5);
}

TEST(DayNumberDate, NumbersJustBelowMidnightRoundToTheNextDay) {
    EXPECT_EQ(dateTimeFromDayNumber(36526.0 - 1e-10),
              QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC));
    EXPECT_EQ(dateTimeFromDayNumber(36526.0 + 1.0 / 24),
              QDateTime(QDate(2000, 1, 1), QTime(1, 0), Qt::UTC));
}

TEST(DayNumberDate, NumbersWithoutCalendarDateGiveInvalidResults) {
    EXPECT_FALSE(dateTimeFromDayNumber(std::nan("")).isValid());
    EXPECT_FALSE(dateTimeFromDayNumber(1e300).isValid());
    EXPECT_FALSE(dateFromDayNumber(-1e7).isValid());
}
