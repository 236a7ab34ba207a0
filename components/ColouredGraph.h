#pragma once
#include <qcustomplot.h>

class SeriesPoints;
class TChartAxis;

// A graph that draws the line in the series colour and then, when points have their own
// colours, the line segment that ends at each such point in that point's colour. A null
// point at either end leaves the segment out. Values are drawn through the value scale of
// their chart axis (see TChartAxis::valueScale), so that huge values stay drawable.
class ColouredGraph : public QCPGraph {
    Q_OBJECT
public:
    ColouredGraph(QCPAxis* keyAxis, QCPAxis* valueAxis, const SeriesPoints& points,
                  const TChartAxis& values);

    void setOwnColoursShown(bool shown) { ownColoursShown_ = shown; }
    // The line sample of the legend, into `rect`.
    void drawIcon(QCPPainter* painter, const QRectF& rect) const { drawLegendIcon(painter, rect); }

protected:
    void draw(QCPPainter* painter) override;
    void getOptimizedLineData(QVector<QCPGraphData>* lineData,
                              const QCPGraphDataContainer::const_iterator& begin,
                              const QCPGraphDataContainer::const_iterator& end) const override;
    void getOptimizedScatterData(QVector<QCPGraphData>* scatterData,
                                 QCPGraphDataContainer::const_iterator begin,
                                 QCPGraphDataContainer::const_iterator end) const override;

private:
    void scaleValues(QVector<QCPGraphData>& data) const;

    const SeriesPoints& points_;
    const TChartAxis& values_;
    bool ownColoursShown_ = false;
};
