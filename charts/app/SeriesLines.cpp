#include "SeriesLines.h"

#include "SeriesAttachment.h"

SeriesLines::SeriesLines(SeriesData& data, QObject* owner)
    : data_(data),
      line_(std::make_unique<TLineSeries>(owner)),
      legend_(std::make_unique<TFastLineSeries>(owner)) {
    line_->setShowInLegend(false);
    line_->setXValuesDateTime(true);
    legend_->setShowInLegend(true);
    // The chart series holds the only copy of the points.
    const std::vector<double> x = data.takeX();
    const std::vector<double> y = data.takeY();
    line_->addPoints(x, y);
    setTitle(QString::fromStdString(data.displayName));
}

SeriesLines::~SeriesLines() {
    line_->setParentChart(nullptr);
    legend_->setParentChart(nullptr);
}

bool SeriesLines::attached() const { return line_->parentChart() != nullptr; }

void SeriesLines::attach(TChart& chart, SeriesStyleTable& styles) {
    attachSeries<TChartSeries, TChart>(data_, styles, *line_, *legend_, chart);
}

void SeriesLines::detach(SeriesStyleTable& styles) {
    detachSeries<TChartSeries>(data_, styles, *line_, *legend_);
}

void SeriesLines::setColour(unsigned colour, const SeriesStyleTable& styles) {
    setSeriesColour<TChartSeries>(data_, colour, styles, *line_, *legend_);
}

void SeriesLines::setWidth(int width) {
    setSeriesWidth<TChartSeries>(data_, width, *line_, *legend_);
}

void SeriesLines::setPenStyle(int style) {
    setSeriesPenStyle<TChartSeries>(data_, style, *line_, *legend_);
}

void SeriesLines::setTitle(const QString& title) {
    line_->setTitle(title);
    legend_->setTitle(title);
}
