#pragma once
// A colour on the two chart series of a series: the line series that holds the points and
// the legend series that only stands in the legend. Written against the chart series'
// interface (setSeriesColor/seriesColor, setColorEachPoint, count/isNull/setValueColor), so
// that it holds no widget itself.
#include <QColor>

// The colour on both chart series: every point of the line that has a value gets it (null
// points keep no colour and stay gaps); the legend takes the line's series colour.
template <class ChartSeries>
void showSeriesColour(const QColor& colour, ChartSeries& line, ChartSeries& legend) {
    line.setColorEachPoint(true);
    line.setSeriesColor(colour);
    for (int i = 0; i < line.count(); ++i)
        if (!line.isNull(i)) line.setValueColor(i, colour);
    legend.setColorEachPoint(false);
    legend.setSeriesColor(line.seriesColor());
}
