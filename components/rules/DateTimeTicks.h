#pragma once
#include <functional>
#include <vector>

// Where the labels of a date/time axis go. The desired increment is a lower bound: when
// the labels would not fit, the next larger step is taken: the standard steps (one minute,
// five minutes, ..., one month, two months, ..., one year, then 2, 5, 10, 20, 50, ...
// years) and a few between them (2 and 20 seconds or minutes, 3, 4 and 8 hours, 4, 5, 10
// and 14 days).
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

// What the labels of a date/time axis need to fit: the axis length in pixels, the width in
// pixels of the label of a tick (a day number), and the least room between two labels.
struct DateTimeLabelRoom {
    double pixels = 0.0;
    std::function<double(double tick)> labelWidth;
    double gap = 0.0;
};

// The step for the view first..last whose labels, each centred on its tick, keep at least
// `room.gap` pixels apart: the smallest standard step not below the desired increment (an
// increment between two standard steps is rounded up) whose labels fit. When none fits,
// the longest step. A view that spans three desired increments but would show fewer than
// three labels (month starts fall unevenly) takes the longest shorter step that shows three
// fitting labels. So the labels never overlap, and a view that spans several steps shows as
// many labels as fit.
DateTimeTickStep chooseFittingDateTimeStep(double first, double last, double desiredIncrement,
                                           bool exact, const DateTimeLabelRoom& room);
