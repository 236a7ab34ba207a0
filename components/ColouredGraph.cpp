#include "ColouredGraph.h"

#include <cmath>

#include "SeriesPoints.h"

ColouredGraph::ColouredGraph(QCPAxis* keyAxis, QCPAxis* valueAxis, const SeriesPoints& points)
    : QCPGraph(keyAxis, valueAxis), points_(points) {}

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
    for (int i = first; i < end; ++i) {
        const QRgb colour = points_.colourAt(i);
        if (colour == 0 || points_.isNull(i) || points_.isNull(i - 1)) continue;
        pen.setColor(QColor::fromRgba(colour));
        painter->setPen(pen);
        painter->drawLine(coordsToPixels(points_.x(i - 1), points_.y(i - 1)),
                          coordsToPixels(points_.x(i), points_.y(i)));
    }
}
