#include "DateLabelRule.h"

#include "TChartAxis.h"

std::optional<DateLabels> dateLabelsForWidth(double days) {
    const QString withTime = QStringLiteral("ddd, dd.mm.yy hh:nn");
    struct Rule {
        double above;
        DateLabels labels;
    };
    const Rule rules[] = {
        {25 * dateTimeStepDays(DateTimeStep::OneYear),
         {DateTimeStep::OneYear, 50, 3, QStringLiteral("yy")}},
        {2 * dateTimeStepDays(DateTimeStep::OneYear),
         {DateTimeStep::OneYear, 50, 11, QStringLiteral("yyyy")}},
        {2 * dateTimeStepDays(DateTimeStep::OneMonth),
         {DateTimeStep::OneMonth, 0, 3, QStringLiteral("dd.mm.yyyy")}},
        {2 * dateTimeStepDays(DateTimeStep::OneWeek),
         {DateTimeStep::OneWeek, 0, 6, QStringLiteral("ddd, dd.mm.yyyy")}},
        {2 * dateTimeStepDays(DateTimeStep::OneDay), {DateTimeStep::OneDay, 0, 3, withTime}},
        {2 * dateTimeStepDays(DateTimeStep::OneHour), {DateTimeStep::OneHour, 0, 3, withTime}},
        {2 * dateTimeStepDays(DateTimeStep::TenMinutes),
         {DateTimeStep::TenMinutes, 0, 3, withTime}},
        {2 * dateTimeStepDays(DateTimeStep::OneMinute), {DateTimeStep::OneMinute, 0, 3, withTime}},
    };
    for (const Rule& rule : rules) {
        if (days > rule.above) return rule.labels;
    }
    return std::nullopt;
}

void adaptDateLabels(TChartAxis& axis, double days) {
    const auto labels = dateLabelsForWidth(days);
    if (!labels) return;
    axis.setDesiredIncrement(dateTimeStepDays(labels->increment));
    axis.setLabelsSeparation(labels->labelsSeparation);
    axis.setMinorTickCount(labels->minorTickCount);
    axis.setDateTimeFormat(labels->format);
}
