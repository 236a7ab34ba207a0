#include "DateLabels.h"

#include <array>

namespace {

struct Rule {
    double moreThanDays;
    DateLabels labels;
};

const QString TimeOfDayFormat = QStringLiteral("ddd, dd.mm.yy hh:nn");

// First rule whose width the view exceeds, widest first.
const std::array<Rule, 8>& rules() {
    static const std::array<Rule, 8> table = {{
        {25 * dateTimeStepDays(DateTimeStep::OneYear),
         {DateTimeStep::OneYear, 50, 3, QStringLiteral("yy")}},
        {2 * dateTimeStepDays(DateTimeStep::OneYear),
         {DateTimeStep::OneYear, 50, 11, QStringLiteral("yyyy")}},
        {2 * dateTimeStepDays(DateTimeStep::OneMonth),
         {DateTimeStep::OneMonth, 0, 3, QStringLiteral("dd.mm.yyyy")}},
        {2 * dateTimeStepDays(DateTimeStep::OneWeek),
         {DateTimeStep::OneWeek, 0, 6, QStringLiteral("ddd, dd.mm.yyyy")}},
        {2 * dateTimeStepDays(DateTimeStep::OneDay), {DateTimeStep::OneDay, 0, 3, TimeOfDayFormat}},
        {2 * dateTimeStepDays(DateTimeStep::OneHour),
         {DateTimeStep::OneHour, 0, 3, TimeOfDayFormat}},
        {2 * dateTimeStepDays(DateTimeStep::TenMinutes),
         {DateTimeStep::TenMinutes, 0, 3, TimeOfDayFormat}},
        {2 * dateTimeStepDays(DateTimeStep::OneMinute),
         {DateTimeStep::OneMinute, 0, 3, TimeOfDayFormat}},
    }};
    return table;
}

}  // namespace

std::optional<DateLabels> labelsForWidth(double widthDays) {
    for (const Rule& rule : rules())
        if (widthDays > rule.moreThanDays) return rule.labels;
    return std::nullopt;
}
