#include "TChartAxis.h"

#include <qcustomplot.h>

#include <QFontMetrics>
#include <algorithm>

#include "AxisTickers.h"
#include "DateFormatLetters.h"
#include "TChart.h"

TChartAxis::TChartAxis(TChart& chart, QCPAxis& axis, bool horizontal)
    : chart_(chart),
      axis_(axis),
      horizontal_(horizontal),
      dateTicker_(QSharedPointer<DayNumberTicker>::create()),
      valueTicker_(QSharedPointer<ValueTicker>::create()),
      logTicker_(QSharedPointer<QCPAxisTickerLog>::create()) {
    updateTicker();
}

TChartAxis::~TChartAxis() = default;

void TChartAxis::changed() {
    updateTicker();
    chart_.refresh();
}

bool TChartAxis::setMinimum(double value) {
    if (!limits_.setMinimum(value)) return false;
    changed();
    return true;
}

bool TChartAxis::setMaximum(double value) {
    if (!limits_.setMaximum(value)) return false;
    changed();
    return true;
}

bool TChartAxis::setMinMax(double minimum, double maximum) {
    if (!limits_.setMinMax(minimum, maximum)) return false;
    changed();
    return true;
}

void TChartAxis::restoreLimits(const AxisLimits& limits) {
    limits_ = limits;
    changed();
}

void TChartAxis::setAutomatic(bool on) {
    limits_.setAutomatic(on);
    changed();
}

void TChartAxis::setAutomaticMinimum(bool on) {
    limits_.setAutomaticMinimum(on);
    changed();
}

void TChartAxis::setAutomaticMaximum(bool on) {
    limits_.setAutomaticMaximum(on);
    changed();
}

void TChartAxis::setDateTime(bool on) {
    dateTime_ = on;
    changed();
}

void TChartAxis::setExactDateTime(bool on) {
    exact_ = on;
    changed();
}

void TChartAxis::setDesiredIncrement(double increment) {
    increment_ = increment > 0 ? increment : 0.0;
    changed();
}

void TChartAxis::setLabelsSeparation(int percent) {
    separation_ = std::max(0, percent);
    changed();
}

void TChartAxis::setMinorTickCount(int count) {
    minorTicks_ = std::max(0, count);
    changed();
}

void TChartAxis::setDateTimeFormat(const QString& toolkitFormat) {
    format_ = toolkitFormat;
    changed();
}

void TChartAxis::setValueFormat(const QString& pattern) {
    valueFormat_ = pattern;
    changed();
}

void TChartAxis::setLogarithmic(bool on) {
    limits_.setLogarithmic(on);
    changed();
}

QString TChartAxis::title() const { return axis_.label(); }

void TChartAxis::setTitle(const QString& caption) {
    axis_.setLabel(caption);
    chart_.refresh();
}

double TChartAxis::shownLower() const { return limits_.shownRange().lower; }
double TChartAxis::shownUpper() const { return limits_.shownRange().upper; }

void TChartAxis::updateTicker() {
    if (limits_.logarithmic()) {
        axis_.setScaleType(QCPAxis::stLogarithmic);
        axis_.setTicker(logTicker_);
    } else if (dateTime_) {
        axis_.setScaleType(QCPAxis::stLinear);
        dateTicker_->setDesiredIncrement(increment_);
        dateTicker_->setExact(exact_);
        dateTicker_->setMinorTickCount(minorTicks_);
        dateTicker_->setFormat(qtDateTimeFormat(format_));
        axis_.setTicker(dateTicker_);
    } else {
        axis_.setScaleType(QCPAxis::stLinear);
        valueTicker_->setDesiredIncrement(increment_);
        valueTicker_->setMinorTickCount(minorTicks_);
        valueTicker_->setFormat(valueFormat_);
        axis_.setTicker(valueTicker_);
    }
}

int TChartAxis::labelRoom() const {
    const QFontMetrics metrics(axis_.tickLabelFont());
    const double gap = 1.0 + separation_ / 100.0;
    if (!horizontal_)
        return std::max(1, static_cast<int>(axis_.axisRect()->height() / (metrics.height() * gap)));
    // A label of the widest kind: two-digit days and months, a long weekday name.
    const QString sample = QLocale::c().toString(QDateTime(QDate(2000, 12, 28), QTime(23, 58, 58)),
                                                 qtDateTimeFormat(format_));
    const int width = dateTime_ ? metrics.horizontalAdvance(sample)
                                : metrics.horizontalAdvance(QStringLiteral("-0.000000"));
    return std::max(1, static_cast<int>(axis_.axisRect()->width() / (std::max(1, width) * gap)));
}

void TChartAxis::prepare(double dataMin, double dataMax, bool hasData) {
    if (hasData) limits_.applyAutomatic(dataMin, dataMax);
    const int room = labelRoom();
    dateTicker_->setMaxLabels(room);
    valueTicker_->setMaxLabels(room);
    const AxisLimits::Range shown = limits_.shownRange();
    axis_.setRange(shown.lower, shown.upper);
}
