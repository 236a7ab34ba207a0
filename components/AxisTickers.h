#pragma once
#include <qcustomplot.h>

#include <utility>

#include "DateTimeTicks.h"

// Labels of a date/time axis whose values are day numbers.
class DayNumberTicker : public QCPAxisTicker {
public:
    void setDesiredIncrement(double days) { desiredIncrement_ = days; }
    void setExact(bool exact) { exact_ = exact; }
    void setMinorTickCount(int count) { minorTicks_ = count; }
    // The Qt form of the label format.
    void setFormat(const QString& qtFormat) { format_ = qtFormat; }
    QString format() const { return format_; }
    // The axis length and label widths the step is chosen for (DateTimeLabelRoom).
    void setLabelRoom(DateTimeLabelRoom room) { room_ = std::move(room); }

    // The label of a tick in a Qt date/time format; empty for a day number beyond the dates.
    static QString labelOf(double tick, const QString& qtFormat);

    // The step the last generated ticks used.
    DateTimeTickStep lastStep() const { return step_; }

protected:
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;
    QVector<double> createTickVector(double tickStep, const QCPRange& range) override;

private:
    double desiredIncrement_ = 1.0;
    bool exact_ = true;
    int minorTicks_ = 3;
    QString format_ = QStringLiteral("dd.MM.yyyy");
    DateTimeLabelRoom room_;
    DateTimeTickStep step_;
};

// Labels of a value axis: multiples of the desired increment (or of 2, 5, 10, ... times
// it when they would not fit), or the plot's own choice without an increment.
//
// The plot's coordinates may be the values times a scale (a power of ten) that keeps huge
// values within the plot's range; ticks are in those coordinates, labels in values.
class ValueTicker : public QCPAxisTicker {
public:
    // In values.
    void setDesiredIncrement(double increment) { desiredIncrement_ = increment; }
    // Plot coordinate = value × scale.
    void setScale(double scale) { scale_ = scale; }
    void setMinorTickCount(int count) { minorTicks_ = count; }
    void setMaxLabels(int count) { maxLabels_ = count; }
    // A pattern for formatValue; empty leaves the labels to the plot.
    void setFormat(const QString& pattern) { format_ = pattern; }

protected:
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;

private:
    QString format_;
    double desiredIncrement_ = 0.0;
    double scale_ = 1.0;
    int minorTicks_ = 3;
    int maxLabels_ = 10;
};
