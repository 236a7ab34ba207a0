#include "TChartAxis.h"

#include <qcustomplot.h>

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "AxisTickers.h"
#include "DateFormatLetters.h"
#include "DayNumberDate.h"
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

void TChartAxis::setUnsetMarker(std::optional<double> marker) {
    unsetMarker_ = marker;
    changed();
}

bool TChartAxis::labelsShown() const {
    return !(unsetMarker_ && limits_.minimum() == *unsetMarker_ &&
             limits_.maximum() == *unsetMarker_);
}

double TChartAxis::pixelToValue(double pixel) const { return axis_.pixelToCoord(pixel) / scale_; }

double TChartAxis::valueToPixel(double value) const { return axis_.coordToPixel(value * scale_); }

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
        valueTicker_->setScale(scale_);
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
    const int width = metrics.horizontalAdvance(QStringLiteral("-0.000000"));
    return std::max(1, static_cast<int>(axis_.axisRect()->width() / (std::max(1, width) * gap)));
}

int TChartAxis::widestLabelWidth() const {
    if (!dateTime_ || limits_.logarithmic()) return 0;
    const QFontMetrics metrics(axis_.tickLabelFont());
    const QString format = qtDateTimeFormat(format_);
    // Two-digit days, months, hours and minutes on each day of the week.
    int widest = 0;
    for (int day = 25; day < 32; ++day)
        widest = std::max(
            widest, metrics.horizontalAdvance(DayNumberTicker::labelOf(
                        dayNumberFromDateTime(QDateTime(QDate(2000, 12, day), QTime(23, 58, 58))),
                        format)));
    return widest;
}

void TChartAxis::fitDateLabels(double lower, double upper) {
    const QFontMetricsF metrics(axis_.tickLabelFont());
    const QString format = qtDateTimeFormat(format_);
    DateTimeLabelRoom room;
    room.pixels = horizontal_ ? axis_.axisRect()->width() : axis_.axisRect()->height();
    if (horizontal_)
        room.labelWidth = [metrics, format](double tick) {
            return metrics.horizontalAdvance(DayNumberTicker::labelOf(tick, format));
        };
    else
        room.labelWidth = [height = metrics.height()](double) { return height; };
    // At least two blanks between labels, more with a labels separation (in percent of a
    // label's width).
    const double sample = room.labelWidth((lower + upper) / 2);
    room.gap =
        std::max(metrics.horizontalAdvance(QStringLiteral("  ")), sample * separation_ / 100.0);
    dateTicker_->setLabelRoom(std::move(room));
}

void TChartAxis::prepare(double dataMin, double dataMax, bool hasData) {
    if (hasData) limits_.applyAutomatic(dataMin, dataMax);
    const AxisLimits::Range shown = limits_.shownRange();
    // The plot draws ranges within about ±1e250 only; beyond, values are drawn scaled.
    const double largest = std::max(std::fabs(shown.lower), std::fabs(shown.upper));
    const double scale = dateTime_ || limits_.logarithmic() || !(largest > 1e200)
                             ? 1.0
                             : std::pow(10.0, -std::floor(std::log10(largest)));
    if (scale != scale_) {
        scale_ = scale;
        updateTicker();
    }
    valueTicker_->setMaxLabels(labelRoom());
    fitDateLabels(shown.lower, shown.upper);
    axis_.setTickLabels(labelsShown());
    axis_.setRange(shown.lower * scale_, shown.upper * scale_);
}
