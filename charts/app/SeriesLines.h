#pragma once
// The two chart series of one value column: the line that holds and draws the points (not in
// the legend) and the legend entry (no points). They are drawn exactly while attached.
#include <QString>
#include <memory>

#include "SeriesData.h"
#include "TChart.h"  // before TChartSeries.h, whose inline members need it
#include "TChartSeries.h"

class SeriesStyleTable;

class SeriesLines {
public:
    // Moves the points of `data` into the line series; `owner` becomes both series' parent.
    SeriesLines(SeriesData& data, QObject* owner);
    ~SeriesLines();
    SeriesLines(const SeriesLines&) = delete;
    SeriesLines& operator=(const SeriesLines&) = delete;

    SeriesData& data() { return data_; }
    TLineSeries& line() { return *line_; }
    TFastLineSeries& legendEntry() { return *legend_; }
    bool attached() const;

    // Draws the series in `chart` with the least used look of `styles`; does nothing while it
    // is drawn already.
    void attach(TChart& chart, SeriesStyleTable& styles);
    // Takes the series off its chart and gives its look back; does nothing while not drawn.
    void detach(SeriesStyleTable& styles);

    // The colour may be the default-colour marker, drawn in the colour of the style entry.
    void setColour(unsigned colour, const SeriesStyleTable& styles);
    void setWidth(int width);
    void setPenStyle(int style);
    // Title of both series (and so of the legend entry).
    void setTitle(const QString& title);

private:
    SeriesData& data_;
    std::unique_ptr<TLineSeries> line_;
    std::unique_ptr<TFastLineSeries> legend_;
};
