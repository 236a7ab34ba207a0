#pragma once
#include <QSharedPointer>
#include <QString>
#include <optional>

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

    // The value that marks limits as not set: while both limits equal it, the axis is drawn
    // without labels. None by default.
    void setUnsetMarker(std::optional<double> marker);
    bool labelsShown() const;

    QString title() const;
    void setTitle(const QString& caption);

    // The range drawn now (after automatic limits and the logarithmic rules).
    double shownLower() const;
    double shownUpper() const;

    // Values beyond what the plot can draw (about 1e250) are drawn scaled by a power of ten:
    // plot coordinate = value × valueScale(). 1 for every ordinary range.
    double valueScale() const { return scale_; }
    // The value at a pixel of the axis and back, through the scale.
    double pixelToValue(double pixel) const;
    double valueToPixel(double value) const;
    // The widest label the axis draws with its format (date/time axes; 0 for value axes).
    int widestLabelWidth() const;

    // Used by the chart before every redraw: applies automatic limits from the data range
    // and fits the labels to the axis length (date/time labels never overlap).
    void prepare(double dataMin, double dataMax, bool hasData);
    QCPAxis& plotAxis() { return axis_; }
    AxisLimits limits() const { return limits_; }
    void restoreLimits(const AxisLimits& limits);

private:
    void updateTicker();
    int labelRoom() const;
    void fitDateLabels(double lower, double upper);
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
    std::optional<double> unsetMarker_;
    double scale_ = 1.0;
    QSharedPointer<DayNumberTicker> dateTicker_;
    QSharedPointer<ValueTicker> valueTicker_;
    QSharedPointer<QCPAxisTicker> logTicker_;
};
