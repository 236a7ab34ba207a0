#pragma once
#include <QSharedPointer>
#include <QString>

#include "AxisLimits.h"

class QCPAxis;
class QCPAxisTicker;
class DayNumberTicker;
class ValueTicker;
class TChart;

// One axis of a chart (bottom or left): limits, automatic flags, labels and title. Every
// change asks the chart for a redraw.
class TChartAxis {
public:
    TChartAxis(TChart& chart, QCPAxis& axis, bool horizontal);
    ~TChartAxis();
    TChartAxis(const TChartAxis&) = delete;
    TChartAxis& operator=(const TChartAxis&) = delete;

    double minimum() const { return limits_.minimum(); }
    double maximum() const { return limits_.maximum(); }
    // Each returns false and changes nothing when the minimum would lie above the maximum.
    bool setMinimum(double value);
    bool setMaximum(double value);
    bool setMinMax(double minimum, double maximum);

    bool automatic() const { return limits_.automatic(); }
    bool automaticMinimum() const { return limits_.automaticMinimum(); }
    bool automaticMaximum() const { return limits_.automaticMaximum(); }
    void setAutomatic(bool on);
    void setAutomaticMinimum(bool on);
    void setAutomaticMaximum(bool on);

    // Labels as dates and times (values are day numbers) or as numbers.
    bool isDateTime() const { return dateTime_; }
    void setDateTime(bool on);
    bool exactDateTime() const { return exact_; }
    void setExactDateTime(bool on);
    // The smallest distance between two labels, in days on a date/time axis; 0 lets the
    // chart choose.
    double desiredIncrement() const { return increment_; }
    void setDesiredIncrement(double increment);
    // The least room between two labels, in percent of a label's width.
    int labelsSeparation() const { return separation_; }
    void setLabelsSeparation(int percent);
    int minorTickCount() const { return minorTicks_; }
    void setMinorTickCount(int count);
    // In the toolkit's letters ("dd.mm.yyyy hh:nn").
    QString dateTimeFormat() const { return format_; }
    void setDateTimeFormat(const QString& toolkitFormat);

    // Number labels, in the toolkit's pattern letters ("#,##0.##"); empty for the plot's
    // own choice.
    QString valueFormat() const { return valueFormat_; }
    void setValueFormat(const QString& pattern);

    bool logarithmic() const { return limits_.logarithmic(); }
    void setLogarithmic(bool on);

    QString title() const;
    void setTitle(const QString& caption);

    // The range drawn now (after automatic limits and the logarithmic rules).
    double shownLower() const;
    double shownUpper() const;

    // Used by the chart before every redraw: applies automatic limits from the data range
    // and fits the label count to the axis length.
    void prepare(double dataMin, double dataMax, bool hasData);
    QCPAxis& plotAxis() { return axis_; }
    AxisLimits limits() const { return limits_; }
    void restoreLimits(const AxisLimits& limits);

private:
    void updateTicker();
    int labelRoom() const;
    void changed();

    TChart& chart_;
    QCPAxis& axis_;
    bool horizontal_;
    AxisLimits limits_;
    bool dateTime_ = false;
    bool exact_ = true;
    double increment_ = 0.0;
    int separation_ = 10;
    int minorTicks_ = 3;
    QString format_ = QStringLiteral("dd.mm.yyyy");
    QString valueFormat_;
    QSharedPointer<DayNumberTicker> dateTicker_;
    QSharedPointer<ValueTicker> valueTicker_;
    QSharedPointer<QCPAxisTicker> logTicker_;
};
