#include "TableDates.h"

#include "DayNumberDate.h"

std::optional<double> encodeTableDate(int year, int month, int day) {
    return encodeDate(year, month, day);
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
