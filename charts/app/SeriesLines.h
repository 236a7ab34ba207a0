#pragma once
// The two chart series of one value column: the line that holds and draws the points (not in
// the legend) and the legend entry (no points). They are drawn exactly while attached.
#include <QColor>
#include <QString>
#include <memory>
#include <optional>

#include "SeriesData.h"
#include "TChart.h"  // before TChartSeries.h, whose inline members need it
#include "TChartSeries.h"

// How a series is drawn: what the chart series show of it.
struct SeriesLook {
    QString title;
    QColor colour;
    int penStyle = 0;
    int lineWidth = 1;
    int legendWidth = 1;
    friend bool operator==(const SeriesLook&, const SeriesLook&) = default;
};

class SeriesLines {
public:
    // Takes the points of `data` into the line series (which then holds the only copy);
    // `owner` becomes both series' parent.
    SeriesLines(SeriesData& data, QObject* owner);
    ~SeriesLines();
    SeriesLines(const SeriesLines&) = delete;
    SeriesLines& operator=(const SeriesLines&) = delete;

    TLineSeries& line() { return *line_; }
    TFastLineSeries& legendEntry() { return *legend_; }
    bool attached() const { return line_->parentChart() != nullptr; }

    // The line, then its legend entry, join the chart.
    void attach(TChart& chart);
    void detach();
    // Shows the parts of `look` that differ from what is shown; a colour goes to every point.
    void show(const SeriesLook& look);

private:
    std::unique_ptr<TLineSeries> line_;
    std::unique_ptr<TFastLineSeries> legend_;
    std::optional<SeriesLook> shown_;
};
