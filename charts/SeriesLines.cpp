#include "SeriesLines.h"

#include "Colour.h"
#include "SeriesStyleTable.h"
#include "TChart.h"

namespace {

Qt::PenStyle qtPenStyle(int style) {
    switch (style) {
        case 1:
            return Qt::DashLine;
        case 2:
            return Qt::DotLine;
        case 3:
            return Qt::DashDotLine;
        case 4:
            return Qt::DashDotDotLine;
        default:
            return Qt::SolidLine;
    }
}

}  // namespace

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
    if (attached()) return;
    data_.styleSlot = styles.take();
    const SeriesStyle& style = styles.entry(data_.styleSlot);
    setPenStyle(style.penStyle);
    setWidth(style.width);
    setColour(style.colour.value);
    line_->setParentChart(&chart);
    legend_->setParentChart(&chart);
}

void SeriesLines::detach(SeriesStyleTable& styles) {
    if (!attached()) return;
    styles.release(data_.styleSlot);
    line_->setParentChart(nullptr);
    legend_->setParentChart(nullptr);
}

void SeriesLines::setColour(unsigned colour) {
    data_.colour = colour;
    const QColor shown = Colour(colour).toQColor();
    // Points without a colour of their own follow the series colour; null points stay gaps.
    line_->setColorEachPoint(true);
    line_->setSeriesColor(shown);
    legend_->setColorEachPoint(false);
    legend_->setSeriesColor(line_->seriesColor());
}

void SeriesLines::setWidth(int width) {
    data_.lineWidth = width;
    line_->setPenWidth(width);
    legend_->setPenWidth(width);
}

void SeriesLines::setPenStyle(int style) {
    data_.penStyle = style;
    line_->setPenStyle(qtPenStyle(style));
    legend_->setPenStyle(qtPenStyle(style));
    legend_->setPenWidth(2 * line_->penWidth());
}

void SeriesLines::setTitle(const QString& title) {
    line_->setTitle(title);
    legend_->setTitle(title);
}
