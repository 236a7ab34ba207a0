#include "SeriesLines.h"

#include "SeriesColour.h"
#include "SeriesStyling.h"

SeriesLines::SeriesLines(SeriesData& data, QObject* owner)
    : line_(std::make_unique<TLineSeries>(owner)),
      legend_(std::make_unique<TFastLineSeries>(owner)) {
    line_->setShowInLegend(false);
    line_->setXValuesDateTime(true);
    legend_->setShowInLegend(true);
    const std::vector<double> x = data.takeX();
    const std::vector<double> y = data.takeY();
    line_->addPoints(x, y);
    line_->setTitle(QString::fromStdString(data.displayName));
    legend_->setTitle(line_->title());
}

SeriesLines::~SeriesLines() { detach(); }

void SeriesLines::attach(TChart& chart) {
    line_->setParentChart(&chart);
    legend_->setParentChart(&chart);
}

void SeriesLines::detach() {
    line_->setParentChart(nullptr);
    legend_->setParentChart(nullptr);
}

void SeriesLines::show(const SeriesLook& look) {
    const bool first = !shown_;
    if (first || shown_->title != look.title) {
        line_->setTitle(look.title);
        legend_->setTitle(look.title);
    }
    if (first || shown_->penStyle != look.penStyle) {
        line_->setPenStyle(qtPenStyle(look.penStyle));
        legend_->setPenStyle(qtPenStyle(look.penStyle));
    }
    line_->setPenWidth(look.lineWidth);
    legend_->setPenWidth(look.legendWidth);
    // Every point takes the colour: one pass over the points, only when it changes.
    if (first || shown_->colour != look.colour)
        showSeriesColour<TChartSeries>(look.colour, *line_, *legend_);
    shown_ = look;
}
