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
    // Beside the standard steps, steps between them, so that labels that need a little more
    // room than one step gives do not jump to twice the step (and half the labels). Two
    // weeks keep labels on Mondays.
    constexpr double Minute = 1.0 / 1440;
    constexpr double Hour = 1.0 / 24;
    const double between[] = {2.0 / 86400, 20.0 / 86400, 2 * Minute, 20 * Minute,
                              3 * Hour,    4 * Hour,     8 * Hour,   4.0,
                              5.0,         10.0,         14.0};
    for (int i = 0; i < DateTimeStepCount; ++i) {
        const auto step = static_cast<DateTimeStep>(i);
        steps.push_back({dateTimeStepMonths(step), dateTimeStepDays(step)});
    }
    for (double days : between) steps.push_back({0, days});
    std::stable_sort(
        steps.begin(), steps.end(),
        [](const DateTimeTickStep& a, const DateTimeTickStep& b) { return a.days < b.days; });
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

const std::vector<DateTimeTickStep>& steps() {
    static const std::vector<DateTimeTickStep> all = ladder();
    return all;
}

// Index of the first standard step not below the increment; the count when it is beyond them.
std::size_t firstStepFor(double desiredIncrement) {
    const std::vector<DateTimeTickStep>& all = steps();
    std::size_t i = 0;
    while (i < all.size() && all[i].days < desiredIncrement * (1 - 1e-9)) ++i;
    return i;
}

bool labelsFit(const std::vector<double>& ticks, double pixelsPerDay,
               const DateTimeLabelRoom& room) {
    double previousWidth = 0.0;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const double width = room.labelWidth ? room.labelWidth(ticks[i]) : 0.0;
        if (i > 0 &&
            (ticks[i] - ticks[i - 1]) * pixelsPerDay < (previousWidth + width) / 2 + room.gap)
            return false;
        previousWidth = width;
    }
    return true;
}

}  // namespace

DateTimeTickStep chooseFittingDateTimeStep(double first, double last, double desiredIncrement,
                                           bool exact, const DateTimeLabelRoom& room) {
    const std::vector<DateTimeTickStep>& all = steps();
    const double width = last - first;
    const std::size_t desired = firstStepFor(desiredIncrement);
    if (desired == all.size()) return {0, desiredIncrement};  // beyond the longest standard step
    if (!(width > 0) || !(room.pixels > 0)) return all[desired];
    const double pixelsPerDay = room.pixels / width;
    // No label is narrower than one pixel, so more ticks than pixels never fit.
    const int maxTicks = static_cast<int>(std::min(room.pixels, 100000.0)) + 2;
    // Steps whose labels could not fit even at half the width of one label are passed over
    // without making their ticks.
    const double least = (room.labelWidth ? room.labelWidth(first) / 2 : 0.0) + room.gap;
    // The number of ticks of step i when its labels fit; 0 when they do not.
    const auto fittingTicks = [&](std::size_t i) {
        const double count = width / all[i].days;
        if (count > maxTicks || (count - 1) * least > room.pixels) return 0;
        const std::vector<double> ticks = dateTimeTicks(first, last, all[i], exact, maxTicks + 1);
        if (static_cast<int>(ticks.size()) > maxTicks || !labelsFit(ticks, pixelsPerDay, room))
            return 0;
        return std::max(1, static_cast<int>(ticks.size()));
    };
    std::size_t chosen = desired;
    int shown = 0;
    for (; chosen + 1 < all.size(); ++chosen)
        if ((shown = fittingTicks(chosen)) > 0) break;
    // Calendar steps vary in length: a view of three months may hold only two month starts.
    // A view that spans three desired increments shows three labels, of a shorter step when
    // they fit.
    if (shown > 0 && shown < 3 && width >= 3 * desiredIncrement * (1 - 1e-9)) {
        for (std::size_t i = chosen; i-- > 0;)
            if (fittingTicks(i) >= 3) return all[i];
    }
    return all[chosen];
}

DateTimeTickStep chooseDateTimeTickStep(double width, double desiredIncrement, int maxTicks) {
    const std::vector<DateTimeTickStep>& all = steps();
    maxTicks = std::max(1, maxTicks);
    std::size_t i = firstStepFor(desiredIncrement);
    if (i == all.size()) return {0, desiredIncrement};  // beyond the longest standard step
    while (i + 1 < all.size() && width / all[i].days > maxTicks) ++i;
    return all[i];
}

std::vector<double> dateTimeTicks(double first, double last, DateTimeTickStep step, bool exact,
                                  int maxCount) {
    if (!(first <= last) || !std::isfinite(first) || !std::isfinite(last) || !(step.days > 0))
        return {};
    if (exact && step.months > 0) return calendarTicks(first, last, step.months, maxCount);
    const double origin = exact && isWeekMultiple(step.days) ? MondayOffset : 0.0;
    return fixedTicks(first, last, step.days, origin, maxCount);
}
