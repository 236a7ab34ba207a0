#pragma once
#include <qcustomplot.h>

class SeriesPoints;

// A graph that draws the line in the series colour and then, when points have their own
// colours, the line segment that ends at each such point in that point's colour. A null
// point at either end leaves the segment out.
class ColouredGraph : public QCPGraph {
    Q_OBJECT
public:
    ColouredGraph(QCPAxis* keyAxis, QCPAxis* valueAxis, const SeriesPoints& points);

    void setOwnColoursShown(bool shown) { ownColoursShown_ = shown; }

protected:
    void draw(QCPPainter* painter) override;

private:
    const SeriesPoints& points_;
    bool ownColoursShown_ = false;
};
