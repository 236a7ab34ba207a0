#include "DateTimeStep.h"

#include <array>

namespace {

constexpr double Second = 1.0 / 86400.0;
constexpr double Minute = 1.0 / 1440.0;
constexpr double Hour = 1.0 / 24.0;

constexpr std::array<double, DateTimeStepCount> StepDays = {
    Second,      5 * Second,  10 * Second, 15 * Second, 30 * Second, Minute,   5 * Minute,
    10 * Minute, 15 * Minute, 30 * Minute, Hour,        2 * Hour,    6 * Hour, 12 * Hour,
    1,           2,           3,           7,           15,          30,       60,
    90,          120,         180,         365};

}  // namespace

double dateTimeStepDays(DateTimeStep step) { return StepDays[static_cast<int>(step)]; }

double dateTimeStepDays(int index) {
    if (index < 0) return StepDays.front();
    if (index >= DateTimeStepCount) return StepDays.back();
    return StepDays[index];
}

int dateTimeStepMonths(DateTimeStep step) {
    switch (step) {
        case DateTimeStep::OneMonth:
            return 1;
        case DateTimeStep::TwoMonths:
            return 2;
        case DateTimeStep::ThreeMonths:
            return 3;
        case DateTimeStep::FourMonths:
            return 4;
        case DateTimeStep::SixMonths:
            return 6;
        case DateTimeStep::OneYear:
            return 12;
        default:
            return 0;
    }
}
