#include "TChartSeries.h"

#include <cmath>

#include "ChartLegendItem.h"
#include "ColouredGraph.h"
#include "TChart.h"

TChartSeries::TChartSeries(QObject* owner) : QObject(owner) {}

TChartSeries::~TChartSeries() { setParentChart(nullptr); }

void TChartSeries::setParentChart(TChart* chart) {
    if (chart == chart_) return;
    if (chart_) {
        TChart* old = chart_;
        if (graph_) old->removePlottable(graph_);
        graph_ = nullptr;
        chart_ = nullptr;
        old->detachSeries(*this);
    }
    if (!chart) return;
    chart_ = chart;
    auto* graph = new ColouredGraph(chart->xAxis, chart->yAxis, points_, chart->leftAxis());
    graph->setData(points_.container());  // shared: the points stay in one container
    graph->setAdaptiveSampling(true);
    graph_ = graph;
    applyStyle();
    chart->attachSeries(*this);
}

void TChartSeries::setTitle(const QString& title) {
    title_ = title;
    applyStyle();
}

void TChartSeries::setShowInLegend(bool show) {
    showInLegend_ = show;
    applyStyle();
}

void TChartSeries::setSeriesColor(const QColor& colour) {
    colour_ = colour;
    applyStyle();
}

void TChartSeries::setColorEachPoint(bool on) {
    colorEachPoint_ = on;
    applyStyle();
}

QColor TChartSeries::valueColor(int position) const {
    if (position < 0 || position >= count() || isNull(position)) return {};
    const QRgb own = points_.colourAt(position);
    return own != 0 ? QColor::fromRgba(own) : colour_;
}

void TChartSeries::setValueColor(int position, const QColor& colour) {
    if (position < 0 || position >= count()) return;
    if (!colour.isValid())
        points_.setNull(position);
    else
        points_.setColourAt(position, colour == colour_ ? 0 : (colour.rgba() | 0xFF000000u));
    pointsChanged();
}

void TChartSeries::setXValuesDateTime(bool on) {
    xDateTime_ = on;
    if (on && chart_) chart_->bottomAxis().setDateTime(true);
}

void TChartSeries::setPenWidth(int width) {
    penWidth_ = std::max(0, width);
    applyStyle();
}

void TChartSeries::setPenStyle(Qt::PenStyle style) {
    penStyle_ = style;
    applyStyle();
}

void TChartSeries::setPointerVisible(bool visible) {
    pointerVisible_ = visible;
    applyStyle();
}

void TChartSeries::applyStyle() {
    if (!graph_) return;
    QPen pen(colour_, penWidth_, penStyle_);
    pen.setCapStyle(Qt::FlatCap);
    graph_->setPen(pen);
    graph_->setName(title_);
    graph_->setOwnColoursShown(colorEachPoint_);
    graph_->setScatterStyle(pointerVisible_ ? QCPScatterStyle(QCPScatterStyle::ssCircle, 5)
                                            : QCPScatterStyle(QCPScatterStyle::ssNone));
    QCPLegend* legend = chart_->legend;
    if (!showInLegend_)
        graph_->removeFromLegend();
    else if (legend && !legend->hasItemWithPlottable(graph_))
        legend->addItem(new ChartLegendItem(legend, graph_));
    chart_->refresh();
}

void TChartSeries::pointsChanged() {
    if (chart_) chart_->refresh();
}

int TChartSeries::add(double y) {
    const int position = points_.add(y);
    pointsChanged();
    return position;
}

int TChartSeries::addXY(double x, double y) {
    const int position = points_.addXY(x, y);
    pointsChanged();
    return position;
}

int TChartSeries::addNullXY(double x) {
    const int position = points_.addNull(x);
    pointsChanged();
    return position;
}

void TChartSeries::addPoints(std::span<const double> xs, std::span<const double> ys) {
    points_.addMany(xs, ys);
    pointsChanged();
}

bool TChartSeries::deletePoint(int position) {
    if (!points_.remove(position)) return false;
    pointsChanged();
    return true;
}

void TChartSeries::clear() {
    points_.clear();
    pointsChanged();
}

int TChartSeries::pointNear(const QPoint& pos, int distance) const {
    if (!graph_ || count() == 0) return -1;
    const double hit = graph_->selectTest(QPointF(pos), false);
    if (hit < 0 || hit > distance) return -1;
    const double key = graph_->keyAxis()->pixelToCoord(pos.x());
    const auto container = points_.container();
    const auto place = container->findBegin(key, false);
    int position = static_cast<int>(place - container->constBegin());
    if (position >= count()) position = count() - 1;
    if (position > 0 &&
        std::fabs(points_.x(position - 1) - key) <= std::fabs(points_.x(position) - key))
        --position;
    return position;
}
