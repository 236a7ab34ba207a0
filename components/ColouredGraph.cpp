#include "ColouredGraph.h"

#include <cmath>

#include "SeriesPoints.h"
#include "TChartAxis.h"

ColouredGraph::ColouredGraph(QCPAxis* keyAxis, QCPAxis* valueAxis, const SeriesPoints& points,
                             const TChartAxis& values)
    : QCPGraph(keyAxis, valueAxis), points_(points), values_(values) {}

void ColouredGraph::scaleValues(QVector<QCPGraphData>& data) const {
    const double scale = values_.valueScale();
    if (scale == 1.0) return;
    for (QCPGraphData& point : data) point.value *= scale;
}

void ColouredGraph::getOptimizedLineData(QVector<QCPGraphData>* lineData,
                                         const QCPGraphDataContainer::const_iterator& begin,
                                         const QCPGraphDataContainer::const_iterator& end) const {
    QCPGraph::getOptimizedLineData(lineData, begin, end);
    if (lineData) scaleValues(*lineData);
}

void ColouredGraph::getOptimizedScatterData(QVector<QCPGraphData>* scatterData,
                                            QCPGraphDataContainer::const_iterator begin,
                                            QCPGraphDataContainer::const_iterator end) const {
    QCPGraph::getOptimizedScatterData(scatterData, begin, end);
    if (scatterData) scaleValues(*scatterData);
}

void ColouredGraph::draw(QCPPainter* painter) {
    QCPGraph::draw(painter);
    if (!ownColoursShown_ || !points_.hasOwnColours() || lineStyle() == lsNone) return;
    QCPAxis* keys = keyAxis();
    QCPAxis* values = valueAxis();
    if (!keys || !values) return;
    const auto container = points_.container();
    const QCPRange shown = keys->range();
    const int first =
        std::max(1, static_cast<int>(container->findBegin(shown.lower) - container->constBegin()));
    const int end = static_cast<int>(container->findEnd(shown.upper) - container->constBegin());
    applyDefaultAntialiasingHint(painter);
    QPen pen = this->pen();
    const double scale = values_.valueScale();
    for (int i = first; i < end; ++i) {
        const QRgb colour = points_.colourAt(i);
        if (colour == 0 || points_.isNull(i) || points_.isNull(i - 1)) continue;
        pen.setColor(QColor::fromRgba(colour));
        painter->setPen(pen);
        painter->drawLine(coordsToPixels(points_.x(i - 1), points_.y(i - 1) * scale),
                          coordsToPixels(points_.x(i), points_.y(i) * scale));
    }
}
