#pragma once
#include <vector>

// Where the labels of a date/time axis go. The desired increment is a lower bound: when
// the labels would not fit, the next larger standard step is taken (one minute, five
// minutes, ..., one month, two months, ..., one year, then 2, 5, 10, 20, 50, ... years).
struct DateTimeTickStep {
    int months = 0;     // calendar months per step (12 for a year); 0 for a fixed length
    double days = 1.0;  // nominal length in days (a month counts 30, a year 365)

    friend bool operator==(const DateTimeTickStep&, const DateTimeTickStep&) = default;
};

// The step for a view of width days when at most maxTicks labels fit. An increment that
// lies between two standard steps is rounded up to the larger one.
DateTimeTickStep chooseDateTimeTickStep(double width, double desiredIncrement, int maxTicks);

// The tick positions (day numbers) in [first, last]. With exact set, month and year steps
// fall on the first day of a month (month number a multiple of the step, counted from
// January of year 0), week steps on Mondays, and fixed steps on whole multiples of the
// step from 30.12.1899 00:00 (so days start at midnight, hours on the hour). Without it,
// calendar steps count nominal days from the same origin. At most maxCount ticks are made.
std::vector<double> dateTimeTicks(double first, double last, DateTimeTickStep step, bool exact,
                                  int maxCount = 10000);
