#include "DateTimeTicks.h"

#include <QDate>
#include <algorithm>
#include <array>
#include <cmath>

#include "DateTimeStep.h"
#include "DayNumberDate.h"

namespace {

constexpr std::array<int, 11> YearMultiples = {2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000};
constexpr double MillisecondsPerDay = 86400000.0;
constexpr int MondayOffset = 2;  // 30.12.1899 was a Saturday, so day 2 was a Monday

std::vector<DateTimeTickStep> ladder() {
    std::vector<DateTimeTickStep> steps;
    for (int i = 0; i < DateTimeStepCount; ++i) {
        const auto step = static_cast<DateTimeStep>(i);
        steps.push_back({dateTimeStepMonths(step), dateTimeStepDays(step)});
    }
    for (int years : YearMultiples) steps.push_back({12 * years, 365.0 * years});
    return steps;
}

bool isWeekMultiple(double days) {
    return days >= 7 && std::fabs(days / 7 - std::round(days / 7)) < 1e-9;
}

std::vector<double> calendarTicks(double first, double last, int months, int maxCount) {
    std::vector<double> ticks;
    const QDate start = dateFromDayNumber(first);
    if (!start.isValid()) return ticks;
    long long index = static_cast<long long>(start.year()) * 12 + start.month() - 1;
    index = (index + months - 1) / months * months;
    for (; static_cast<int>(ticks.size()) < maxCount; index += months) {
        const std::optional<double> day =
            encodeDate(static_cast<int>(index / 12), static_cast<int>(index % 12) + 1, 1);
        if (!day || *day > last) break;
        if (*day >= first) ticks.push_back(*day);
    }
    return ticks;
}

std::vector<double> fixedTicks(double first, double last, double days, double origin,
                               int maxCount) {
    std::vector<double> ticks;
    // Whole milliseconds keep hours and minutes exact over centuries of day numbers.
    const double stepMs = std::max(1.0, std::round(days * MillisecondsPerDay));
    const double originMs = origin * MillisecondsPerDay;
    double n = std::ceil((first * MillisecondsPerDay - originMs) / stepMs - 1e-9);
    for (; static_cast<int>(ticks.size()) < maxCount; n += 1) {
        const double tick = (originMs + n * stepMs) / MillisecondsPerDay;
        if (tick > last + 1e-12) break;
        ticks.push_back(tick);
    }
    return ticks;
}

}  // namespace

DateTimeTickStep chooseDateTimeTickStep(double width, double desiredIncrement, int maxTicks) {
    const std::vector<DateTimeTickStep> steps = ladder();
    maxTicks = std::max(1, maxTicks);
    std::size_t i = 0;
    while (i + 1 < steps.size() && steps[i].days < desiredIncrement * (1 - 1e-9)) ++i;
    if (steps[i].days < desiredIncrement * (1 - 1e-9))
        return {0, desiredIncrement};  // beyond the longest standard step
    while (i + 1 < steps.size() && width / steps[i].days > maxTicks) ++i;
    return steps[i];
}

std::vector<double> dateTimeTicks(double first, double last, DateTimeTickStep step, bool exact,
                                  int maxCount) {
    if (!(first <= last) || !std::isfinite(first) || !std::isfinite(last) || !(step.days > 0))
        return {};
    if (exact && step.months > 0) return calendarTicks(first, last, step.months, maxCount);
    const double origin = exact && isWeekMultiple(step.days) ? MondayOffset : 0.0;
    return fixedTicks(first, last, step.days, origin, maxCount);
}
