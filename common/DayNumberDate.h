#pragma once
#include <QDate>
#include <QDateTime>
#include <optional>

// Date/time numbers of the charts: days since 30.12.1899 00:00, the fraction being the
// time of day (one hour is 1/24). The day number equals the Julian day number - 2415019.
// Times carry no time zone: a number is a wall-clock date and time. QDateTime values made
// from numbers are in UTC, so that no hour vanishes or repeats at a daylight-saving change;
// numbers made from a QDateTime take its date and time of day as they read.

// The day number of a calendar date; nullopt when the date does not exist (month 13,
// 30 February, year 0 or beyond 9999).
std::optional<double> encodeDate(int year, int month, int day);

// The date/time number of a date and a time of day. nullopt when the date does not
// exist or the time is out of range (hour 0..23, minute and second 0..59, millisecond
// 0..999); hour 24 is refused like any other impossible time.
std::optional<double> encodeDateTime(int year, int month, int day, int hour, int minute,
                                     int second = 0, int millisecond = 0);

double dayNumberFromDate(const QDate& date);
double dayNumberFromDateTime(const QDateTime& dateTime);

// The calendar date of a day number (its whole days, counted toward minus infinity so that
// negative numbers before 1899 still name the right day); an invalid QDate for a number
// outside the years 1..9999 or not finite.
QDate dateFromDayNumber(double dayNumber);
// Date and time of a day number, rounded to the millisecond (in UTC, see above).
QDateTime dateTimeFromDayNumber(double dayNumber);
