#include "TableDates.h"

namespace {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

// Days from 1.1.1970 in the proleptic Gregorian calendar.
long long daysFromCivil(long long year, unsigned month, unsigned day) {
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

const long long dayZero = daysFromCivil(1899, 12, 30);

}  // namespace

std::optional<double> encodeTableDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12) return std::nullopt;
    if (day < 1 || day > daysInMonth(year, month)) return std::nullopt;
    return static_cast<double>(
        daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - dayZero);
}

std::optional<double> encodeTableTime(int hour, int minute, int second) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        return std::nullopt;
    }
    return (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

int expandTableYear(int year) {
    if (year < 50) return 2000 + year;
    if (year < 100) return 1900 + year;
    return year;
}

std::optional<TableDateTime> encodeTableRowDate(const TableRowDate& row) {
    const auto date = encodeTableDate(row.year, row.month, row.day);
    if (!date) return std::nullopt;
    auto time = encodeTableTime(row.hour, row.minute, 0);
    if (!time && row.hour == 24) time = encodeTableTime(23, 59, 59);
    if (!time) return std::nullopt;
    return TableDateTime{*date, *time};
}
