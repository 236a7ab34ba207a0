#include "AxisTickers.h"

#include <algorithm>
#include <cmath>

#include "DayNumberDate.h"
#include "ValueFormat.h"

double DayNumberTicker::getTickStep(const QCPRange& range) {
    step_ = chooseFittingDateTimeStep(range.lower, range.upper, desiredIncrement_, exact_, room_);
    return step_.days;
}

QString DayNumberTicker::labelOf(double tick, const QString& qtFormat) {
    const QDateTime moment = dateTimeFromDayNumber(tick);
    // Labels use one fixed language so that the same chart looks the same everywhere.
    return moment.isValid() ? QLocale::c().toString(moment, qtFormat) : QString();
}

int DayNumberTicker::getSubTickCount(double) { return std::max(0, minorTicks_); }

QString DayNumberTicker::getTickLabel(double tick, const QLocale&, QChar, int) {
    return labelOf(tick, format_);
}

QVector<double> DayNumberTicker::createTickVector(double, const QCPRange& range) {
    // One tick on each side beyond the range lets the minor ticks reach the ends.
    const double margin = step_.days * 1.5;
    const std::vector<double> ticks =
        dateTimeTicks(range.lower - margin, range.upper + margin, step_, exact_);
    return QVector<double>(ticks.begin(), ticks.end());
}

double ValueTicker::getTickStep(const QCPRange& range) {
    if (!(desiredIncrement_ > 0)) return QCPAxisTicker::getTickStep(range);
    const int labels = std::max(1, maxLabels_);
    double step = desiredIncrement_ * scale_;
    static constexpr double Factors[] = {2.0, 2.5, 2.0};  // 1, 2, 5, 10, 20, 50, ...
    for (int i = 0; range.size() / step > labels && i < 1000; ++i) step *= Factors[i % 3];
    return step;
}

int ValueTicker::getSubTickCount(double tickStep) {
    return minorTicks_ >= 0 ? minorTicks_ : QCPAxisTicker::getSubTickCount(tickStep);
}

QString ValueTicker::getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                                  int precision) {
    // Ticks that should be zero come out as tiny remainders of the step arithmetic.
    if (std::fabs(tick) < 1e-12 * std::max(1.0, desiredIncrement_ * scale_)) tick = 0;
    const double value = tick / scale_;
    if (format_.isEmpty())
        return scale_ == 1.0 ? QCPAxisTicker::getTickLabel(tick, locale, formatChar, precision)
                             : QString::number(value, 'g', 15);
    return formatValue(value, format_);
}
