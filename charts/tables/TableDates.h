#pragma once
// Date/time numbers of result tables: days since 30.12.1899 (day number = Julian day − 2415019),
// the fraction being the time of day.
#include <optional>

// The calendar day as a day number; nothing when year (1..9999), month or day is impossible.
std::optional<double> encodeTableDate(int year, int month, int day);

// The time of day as a fraction of a day; nothing unless 0 <= hour < 24 and 0 <= minute < 60.
std::optional<double> encodeTableTime(int hour, int minute, int second);

// A year as result tables write it: below 50 is 20xx, 50 to 99 is 19xx, larger years stay.
int expandTableYear(int year);

// Year, month, day, hour and minute of one table row.
struct TableRowDate {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// A date/time number in its two parts, so that differences of times keep their precision.
struct TableDateTime {
    double day = 0.0;   // day number
    double time = 0.0;  // fraction of the day
    double value() const { return day + time; }
    bool operator==(const TableDateTime&) const = default;
};

// The row's date/time; hour 24 stands for 23:59:59 of that day. Nothing when it cannot be
// encoded. The year is taken as it is (expand it first).
std::optional<TableDateTime> encodeTableRowDate(const TableRowDate& row);
