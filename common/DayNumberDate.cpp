#include "DayNumberDate.h"

#include <cmath>

namespace {

constexpr qint64 JulianDayOfZero = 2415019;  // 30.12.1899
constexpr double MillisecondsPerDay = 86400000.0;

bool isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && QDate::isValid(year, month, day);
}

}  // namespace

std::optional<double> encodeDate(int year, int month, int day) {
    if (!isValidDate(year, month, day)) return std::nullopt;
    return static_cast<double>(QDate(year, month, day).toJulianDay() - JulianDayOfZero);
}

std::optional<double> encodeDateTime(int year, int month, int day, int hour, int minute, int second,
                                     int millisecond) {
    const std::optional<double> date = encodeDate(year, month, day);
    if (!date || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999)
        return std::nullopt;
    const double msOfDay = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
    return *date + msOfDay / MillisecondsPerDay;
}

double dayNumberFromDate(const QDate& date) {
    return static_cast<double>(date.toJulianDay() - JulianDayOfZero);
}

double dayNumberFromDateTime(const QDateTime& dateTime) {
    const QTime time = dateTime.time();
    return dayNumberFromDate(dateTime.date()) + time.msecsSinceStartOfDay() / MillisecondsPerDay;
}

QDate dateFromDayNumber(double dayNumber) { return dateTimeFromDayNumber(dayNumber).date(); }

QDateTime dateTimeFromDayNumber(double dayNumber) {
    // Years 1..9999 span about 3.65 million days; anything outside has no calendar date.
    if (!std::isfinite(dayNumber) || std::fabs(dayNumber) > 4.0e6) return {};
    // Round to the millisecond first so that 23:59:59.9996 becomes the next midnight
    // instead of a time of day that does not exist.
    const double totalMs = std::round(dayNumber * MillisecondsPerDay);
    const double days = std::floor(totalMs / MillisecondsPerDay);
    const int msOfDay = static_cast<int>(totalMs - days * MillisecondsPerDay);
    const QDate date = QDate::fromJulianDay(static_cast<qint64>(days) + JulianDayOfZero);
    if (!date.isValid() || date.year() < 1 || date.year() > 9999) return {};
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(msOfDay), Qt::UTC);
}
