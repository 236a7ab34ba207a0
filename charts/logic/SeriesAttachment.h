#pragma once
// The operations of a series on its two chart series: the line series that holds the points
// and the legend series that only stands in the legend. Written against the chart series'
// interface (parentChart/setParentChart, setSeriesColor/seriesColor, setColorEachPoint,
// count/isNull/setValueColor, setPenWidth/penWidth, setPenStyle), so that they hold no
// widget themselves.
#include <QColor>
#include <cstdint>

#include "SeriesData.h"
#include "SeriesStyleTable.h"
#include "SeriesStyling.h"

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

// Sets the series' colour (which may be the default-colour marker) and shows it.
template <class ChartSeries>
void setSeriesColour(SeriesData& series, std::uint32_t colour, const SeriesStyleTable& styles,
                     ChartSeries& line, ChartSeries& legend) {
    series.colour = colour;
    showSeriesColour(drawnColour(series, styles).toQColor(), line, legend);
}

template <class ChartSeries>
void setSeriesWidth(SeriesData& series, int width, ChartSeries& line, ChartSeries& legend) {
    series.lineWidth = width;
    line.setPenWidth(width);
    legend.setPenWidth(width);
}

// The pattern on both lines; the legend line becomes twice as wide as the chart line.
template <class ChartSeries>
void setSeriesPenStyle(SeriesData& series, int penStyle, ChartSeries& line, ChartSeries& legend) {
    series.penStyle = penStyle;
    line.setPenStyle(qtPenStyle(penStyle));
    legend.setPenStyle(qtPenStyle(penStyle));
    legend.setPenWidth(legendLineWidth(line.penWidth()));
}

// Attaching a series that is not drawn yet: it takes a style entry, shows its pen style,
// width and colour, and both chart series join the chart. Returns false, changing nothing,
// when the line is drawn already.
template <class ChartSeries, class Chart>
bool attachSeries(SeriesData& series, SeriesStyleTable& styles, ChartSeries& line,
                  ChartSeries& legend, Chart& chart) {
    if (line.parentChart()) return false;
    takeStyle(series, styles);
    setSeriesPenStyle(series, series.penStyle, line, legend);
    setSeriesWidth(series, series.lineWidth, line, legend);
    setSeriesColour(series, series.colour, styles, line, legend);
    line.setParentChart(&chart);
    legend.setParentChart(&chart);
    return true;
}

// Detaching a drawn series gives its style entry back; both chart series leave the chart
// and the legend. Returns false, changing nothing, when the line is not drawn.
template <class ChartSeries>
bool detachSeries(const SeriesData& series, SeriesStyleTable& styles, ChartSeries& line,
                  ChartSeries& legend) {
    if (!line.parentChart()) return false;
    releaseStyle(series, styles);
    line.setParentChart(nullptr);
    legend.setParentChart(nullptr);
    return true;
}
