#pragma once
// Makes a chart show a chart document: the drawn series in the document's order with their
// looks, the titles, the gradient, the legend and both axes. The window and the picture job
// both draw through it.
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "ChartDocument.h"
#include "SeriesCsv.h"
#include "SeriesLines.h"

class ChartProjection {
public:
    // Gives `chart` the looks that never change (title font, back wall, axis formats).
    explicit ChartProjection(TChart& chart);
    ~ChartProjection();
    ChartProjection(const ChartProjection&) = delete;
    ChartProjection& operator=(const ChartProjection&) = delete;

    // Brings the chart in line with `document`. The chart series of a table are made the first
    // time it is shown; they take its points, so the points are held once, by the chart.
    void show(const ChartDocument& document);

    // The series drawn wider by `extraWidth` pixels (the one selected in the series list);
    // none when null. Takes effect with the next show.
    void setEmphasis(std::optional<SeriesKey> series, int extraWidth);

    // The points of a series, read from its chart line; nullopt when no line holds them yet.
    std::optional<SeriesPointArrays> pointsOf(SeriesKey key) const;

    // Called when the user clicks a drawn line.
    std::function<void(SeriesKey)> lineClicked;

private:
    using Key = std::pair<int, int>;  // table id, column
    void showSeries(const ChartDocument& document);
    void showChart(const ChartDocument& document);

    TChart& chart_;
    std::map<Key, std::unique_ptr<SeriesLines>> lines_;
    std::vector<SeriesKey> attached_;  // in the order they joined the chart
    std::optional<SeriesKey> emphasised_;
    int extraWidth_ = 0;
};
