#pragma once
#include <QColor>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <span>

#include "SeriesPoints.h"

class TChart;
class ColouredGraph;

// A line series. It lives with its owner and holds its points whether or not it is
// attached to a chart; while attached (ParentChart) it is drawn and, when ShowInLegend is
// set, listed in the chart's legend.
//
// Points are drawn in the series colour, or with ColorEachPoint in their own value colour
// where they have one (the line segment that ends at the point). Null points have no
// colour and leave a gap in the line.
class TChartSeries : public QObject {
    Q_OBJECT
public:
    explicit TChartSeries(QObject* owner = nullptr);
    ~TChartSeries() override;

    TChart* parentChart() const { return chart_; }
    // nullptr detaches the series; attaching to another chart detaches it from the first.
    void setParentChart(TChart* chart);

    QString title() const { return title_; }
    void setTitle(const QString& title);
    bool showInLegend() const { return showInLegend_; }
    void setShowInLegend(bool show);

    QColor seriesColor() const { return colour_; }
    void setSeriesColor(const QColor& colour);
    bool colorEachPoint() const { return colorEachPoint_; }
    void setColorEachPoint(bool on);
    // The point's own colour, the series colour when it has none, or an invalid colour
    // (none) for a null point.
    QColor valueColor(int position) const;
    // An invalid colour (none) turns the point into a null point, a gap. Any other colour
    // becomes the point's own; the series colour itself gives the point back the series
    // colour (so it follows later changes of it). A null point has no Y to draw and stays
    // a gap whatever its colour.
    void setValueColor(int position, const QColor& colour);

    bool xValuesDateTime() const { return xDateTime_; }
    void setXValuesDateTime(bool on);

    int penWidth() const { return penWidth_; }
    void setPenWidth(int width);
    Qt::PenStyle penStyle() const { return penStyle_; }
    // Solid, dashes, dots, dash-dot or dash-dot-dot.
    void setPenStyle(Qt::PenStyle style);
    bool pointerVisible() const { return pointerVisible_; }
    void setPointerVisible(bool visible);

    // Points: see SeriesPoints for the order of positions. Each returns the position.
    int add(double y);
    int addXY(double x, double y);
    int addNullXY(double x);
    // Many points at once (NaN in ys makes null points); the fast way to fill a series.
    void addPoints(std::span<const double> xs, std::span<const double> ys);
    int count() const { return points_.count(); }
    double xValue(int position) const { return points_.x(position); }
    // NaN for a null point.
    double yValue(int position) const { return points_.y(position); }
    bool isNull(int position) const { return points_.isNull(position); }
    // Later points move up one position and keep their X. false for a bad position.
    bool deletePoint(int position);
    void clear();

    const SeriesPoints& points() const { return points_; }

    // The position of the point nearest (in X) to pixel pos, when the drawn line passes
    // within distance pixels of it; -1 otherwise or when not attached.
    int pointNear(const QPoint& pos, int distance) const;

signals:
    void clicked(TChartSeries* series, int position, Qt::MouseButton button,
                 Qt::KeyboardModifiers modifiers, const QPoint& pos);

private:
    void applyStyle();
    void pointsChanged();

    SeriesPoints points_;
    QPointer<TChart> chart_;
    QPointer<ColouredGraph> graph_;
    QString title_;
    bool showInLegend_ = true;
    QColor colour_ = Qt::red;
    bool colorEachPoint_ = false;
    bool xDateTime_ = false;
    int penWidth_ = 1;
    Qt::PenStyle penStyle_ = Qt::SolidLine;
    bool pointerVisible_ = false;
};

// The line series of the charts: both kinds draw alike here.
class TLineSeries : public TChartSeries {
    Q_OBJECT
public:
    using TChartSeries::TChartSeries;
};

class TFastLineSeries : public TChartSeries {
    Q_OBJECT
public:
    using TChartSeries::TChartSeries;
};
