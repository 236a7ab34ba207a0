#include "DateTimeTicks.h"

#include <gtest/gtest.h>

#include <cmath>

#include "DateTimeStep.h"
#include "DayNumberDate.h"

TEST(DateTimeStep, StandardStepsHaveTheNumbersAndLengthsTheChartsUse) {
    EXPECT_DOUBLE_EQ(dateTimeStepDays(24), 365.0);
    EXPECT_DOUBLE_EQ(dateTimeStepDays(19), 30.0);
    EXPECT_DOUBLE_EQ(dateTimeStepDays(17), 7.0);
    EXPECT_DOUBLE_EQ(dateTimeStepDays(14), 1.0);
    EXPECT_DOUBLE_EQ(dateTimeStepDays(10), 1.0 / 24);
    EXPECT_DOUBLE_EQ(dateTimeStepDays(7), 10.0 / 1440);
    EXPECT_DOUBLE_EQ(dateTimeStepDays(5), 1.0 / 1440);
    EXPECT_EQ(dateTimeStepMonths(DateTimeStep::OneYear), 12);
    EXPECT_EQ(dateTimeStepMonths(DateTimeStep::OneMonth), 1);
    EXPECT_EQ(dateTimeStepMonths(DateTimeStep::OneWeek), 0);
}

TEST(DateTimeTicks, DesiredIncrementIsKeptWhenTheLabelsFit) {
    EXPECT_EQ(chooseDateTimeTickStep(10, 1.0, 20), (DateTimeTickStep{0, 1.0}));
    EXPECT_EQ(chooseDateTimeTickStep(3650, 365, 20), (DateTimeTickStep{12, 365}));
    // Between two standard steps: the larger one.
    EXPECT_EQ(chooseDateTimeTickStep(100, 25, 20), (DateTimeTickStep{1, 30}));
}

TEST(DateTimeTicks, StepGrowsUntilTheLabelsFit) {
    // 30 years of monthly labels with room for 12: the step becomes five years.
    const DateTimeTickStep step = chooseDateTimeTickStep(30 * 365, 30, 12);
    EXPECT_EQ(step.months, 60);
    // Two days of hourly labels with room for 10: six hours.
    EXPECT_DOUBLE_EQ(chooseDateTimeTickStep(2, 1.0 / 24, 10).days, 0.25);
}

TEST(DateTimeTicks, ExactMonthsAndYearsFallOnTheFirstOfTheMonth) {
    const double first = *encodeDate(2001, 1, 15);
    const double last = *encodeDate(2001, 5, 2);
    const std::vector<double> months = dateTimeTicks(first, last, {1, 30}, true);
    ASSERT_EQ(months.size(), 4u);
    EXPECT_EQ(months[0], *encodeDate(2001, 2, 1));
    EXPECT_EQ(months[3], *encodeDate(2001, 5, 1));

    const std::vector<double> years =
        dateTimeTicks(*encodeDate(1999, 6, 1), *encodeDate(2004, 1, 1), {24, 730}, true);
    ASSERT_EQ(years.size(), 3u);  // 2000, 2002, 2004
    EXPECT_EQ(years[0], *encodeDate(2000, 1, 1));
    EXPECT_EQ(years[2], *encodeDate(2004, 1, 1));
}

TEST(DateTimeTicks, ExactWeeksStartOnMonday) {
    const std::vector<double> weeks =
        dateTimeTicks(*encodeDate(2024, 1, 3), *encodeDate(2024, 1, 31), {0, 7}, true);
    ASSERT_EQ(weeks.size(), 4u);
    EXPECT_EQ(dateFromDayNumber(weeks[0]), QDate(2024, 1, 8));
    EXPECT_EQ(dateFromDayNumber(weeks[0]).dayOfWeek(), 1);
}

TEST(DateTimeTicks, HoursAndTenMinutesAreOnTheClock) {
    const double day = *encodeDate(2010, 3, 1);
    const std::vector<double> hours = dateTimeTicks(day + 0.01, day + 0.3, {0, 1.0 / 24}, true);
    ASSERT_FALSE(hours.empty());
    EXPECT_EQ(dateTimeFromDayNumber(hours[0]).time(), QTime(1, 0));
    EXPECT_EQ(dateTimeFromDayNumber(hours.back()).time(), QTime(7, 0));
    const std::vector<double> tens = dateTimeTicks(day + 0.001, day + 0.02, {0, 10.0 / 1440}, true);
    ASSERT_EQ(tens.size(), 2u);
    EXPECT_EQ(dateTimeFromDayNumber(tens[1]).time(), QTime(0, 20));
}

TEST(DateTimeTicks, EmptyOrBrokenRangesGiveNoTicksAndCountsAreBounded) {
    EXPECT_TRUE(dateTimeTicks(10, 5, {0, 1}, true).empty());
    EXPECT_TRUE(dateTimeTicks(std::nan(""), 5, {0, 1}, true).empty());
    EXPECT_TRUE(dateTimeTicks(0, 5, {0, 0}, true).empty());
    EXPECT_EQ(dateTimeTicks(0, 1e6, {0, 1.0 / 1440}, true, 50).size(), 50u);
}

namespace {

// Labels of `characters` characters at 7 pixels each.
DateTimeLabelRoom roomFor(double pixels, int characters, double gap = 6) {
    return {pixels, [characters](double) { return 7.0 * characters; }, gap};
}

int ticksIn(double first, double last, DateTimeTickStep step) {
    return static_cast<int>(dateTimeTicks(first, last, step, true).size());
}

}  // namespace

TEST(DateTimeTicks, FittingLabelsNeverOverlap) {
    // Fourteen days of "Mon, 10.05.10 00:00" (19 characters, 133 pixels) on 820 pixels:
    // daily labels would run into each other, every second day too; three days fit.
    const double first = *encodeDate(2010, 5, 9);
    const double last = first + 14;
    const DateTimeLabelRoom room = roomFor(820, 19);
    const DateTimeTickStep step = chooseFittingDateTimeStep(first, last, 1.0, true, room);
    const std::vector<double> ticks = dateTimeTicks(first, last, step, true);
    ASSERT_GE(ticks.size(), 3u);
    for (std::size_t i = 1; i < ticks.size(); ++i)
        EXPECT_GE((ticks[i] - ticks[i - 1]) * 820 / 14, 133 + 6);
    EXPECT_EQ(step.days, 3.0);
}

TEST(DateTimeTicks, AViewOfSeveralFittingStepsShowsAtLeastThreeLabels) {
    // Views of two months, one year, a week, two days and two hours, each with weekday
    // labels about 105 pixels wide, on charts from 500 to 1200 pixels wide.
    const double day = *encodeDate(2010, 3, 1);
    const double views[][2] = {{day, day + 61},
                               {day, day + 366},
                               {day, day + 7},
                               {day, day + 2},
                               {day + 0.3, day + 0.3 + 2.0 / 24}};
    const double increments[] = {7, 30, 1, 1.0 / 24, 10.0 / 1440};
    for (double pixels : {500.0, 820.0, 1200.0}) {
        for (int v = 0; v < 5; ++v) {
            const double first = views[v][0];
            const double last = views[v][1];
            const DateTimeLabelRoom room = roomFor(pixels, 15);
            const DateTimeTickStep step =
                chooseFittingDateTimeStep(first, last, increments[v], true, room);
            // When three labels of the kind fit side by side, at least three are shown.
            EXPECT_GE(ticksIn(first, last, step), 3) << "view " << v << " on " << pixels;
        }
    }
}

TEST(DateTimeTicks, ThreeMonthsHoldingOnlyTwoMonthStartsStillShowThreeLabels) {
    // 2.7. to 30.9.: ninety days, three monthly increments, but only 1.8. and 1.9. begin a
    // month.
    const double first = *encodeDate(2001, 7, 2);
    const double last = *encodeDate(2001, 9, 30);
    const DateTimeTickStep step =
        chooseFittingDateTimeStep(first, last, 30, true, roomFor(800, 10));
    EXPECT_LT(step.days, 30);
    EXPECT_GE(ticksIn(first, last, step), 3);
    // With the room for only two labels, two it is.
    const DateTimeTickStep narrow =
        chooseFittingDateTimeStep(first, last, 30, true, roomFor(200, 10));
    EXPECT_LE(ticksIn(first, last, narrow), 2);
}

TEST(DateTimeTicks, FittingStepsStartAtTheDesiredIncrementAndEndAtTheLongest) {
    const double first = *encodeDate(2000, 1, 1);
    // Plenty of room: the desired increment itself, rounded up to a standard step.
    EXPECT_EQ(chooseFittingDateTimeStep(first, first + 10, 1.0, true, roomFor(2000, 5)).days, 1.0);
    EXPECT_EQ(chooseFittingDateTimeStep(first, first + 300, 25, true, roomFor(4000, 5)).months, 1);
    // No room at all: a single label at most; an axis without length: the desired step.
    const DateTimeTickStep crowded =
        chooseFittingDateTimeStep(first, first + 3650, 1, true, roomFor(1, 5));
    EXPECT_LE(ticksIn(first, first + 3650, crowded), 1);
    EXPECT_EQ(chooseFittingDateTimeStep(first, first + 10, 1.0, true, roomFor(0, 5)).days, 1.0);
    // Millions of minutes on a short axis are passed over without making their ticks.
    EXPECT_EQ(
        chooseFittingDateTimeStep(first, first + 36500, 1.0 / 1440, true, roomFor(800, 4)).months %
            12,
        0);
}
