#pragma once

// The standard steps of a date/time axis, numbered as the charts' settings and handlers
// know them (one minute is 5, one hour 10, one day 14, one week 17, one month 19, one
// year 24). Month and year steps are calendar steps; their nominal lengths are 30 and 365
// days.
enum class DateTimeStep {
    OneSecond = 0,
    FiveSeconds,
    TenSeconds,
    FifteenSeconds,
    ThirtySeconds,
    OneMinute,
    FiveMinutes,
    TenMinutes,
    FifteenMinutes,
    ThirtyMinutes,
    OneHour,
    TwoHours,
    SixHours,
    TwelveHours,
    OneDay,
    TwoDays,
    ThreeDays,
    OneWeek,
    HalfMonth,
    OneMonth,
    TwoMonths,
    ThreeMonths,
    FourMonths,
    SixMonths,
    OneYear,
};

constexpr int DateTimeStepCount = 25;

// Nominal length of a step in days (a month 30, a year 365).
double dateTimeStepDays(DateTimeStep step);

// The length in days of step number index (0..24); the length of one year for indices
// above, and of one second below.
double dateTimeStepDays(int index);

// Whole calendar months of a month or year step (1 for a month, 12 for a year, 6 for six
// months); 0 for steps that are fixed lengths of time, and for the half month.
int dateTimeStepMonths(DateTimeStep step);
