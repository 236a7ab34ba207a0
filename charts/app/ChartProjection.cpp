#include "ChartProjection.h"

#include <algorithm>

#include "DateLabels.h"
#include "SeriesStyling.h"

ChartProjection::ChartProjection(TChart& chart) : chart_(chart) {
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(19);
    titleFont.setBold(true);
    chart_.setTitleFont(titleFont);
    chart_.setBackWallColor(Qt::white);
    chart_.bottomAxis().setDateTime(true);
    TChartAxis& left = chart_.leftAxis();
    // An unset range draws the axis without numbers.
    left.setMinMax(SeriesData::unset, SeriesData::unset);
    left.setUnsetMarker(SeriesData::unset);
    left.setValueFormat(QStringLiteral("#,##0.##########"));
}

ChartProjection::~ChartProjection() {
    // The series leave the chart before the chart goes.
    lines_.clear();
}

void ChartProjection::setEmphasis(std::optional<SeriesKey> series, int extraWidth) {
    emphasised_ = series;
    extraWidth_ = extraWidth;
}

void ChartProjection::show(const ChartDocument& document) {
    const ChartRedrawPause pause(chart_);
    showSeries(document);
    showChart(document);
}

std::optional<SeriesPointArrays> ChartProjection::pointsOf(SeriesKey key) const {
    const auto found = lines_.find({key.table, key.column});
    if (found == lines_.end()) return std::nullopt;
    const SeriesPoints& held = found->second->line().points();
    SeriesPointArrays points;
    points.x.resize(static_cast<std::size_t>(held.count()));
    points.y.resize(points.x.size());
    for (int k = 0; k < held.count(); ++k) {
        points.x[static_cast<std::size_t>(k)] = held.x(k);
        points.y[static_cast<std::size_t>(k)] = held.y(k);
    }
    return points;
}

void ChartProjection::showSeries(const ChartDocument& document) {
    // The series of removed tables go.
    for (auto it = lines_.begin(); it != lines_.end();) {
        if (document.indexOf(it->first.first) < 0)
            it = lines_.erase(it);
        else
            ++it;
    }
    std::erase_if(attached_, [&](SeriesKey key) { return document.indexOf(key.table) < 0; });
    for (int i = 0; i < document.tableCount(); ++i) {
        const FileContainer& table = document.table(i);
        for (int column = 0; column < table.seriesCount(); ++column) {
            const Key key{document.tableId(i), column};
            if (lines_.count(key)) continue;
            auto made = std::make_unique<SeriesLines>(*table.series(column), &chart_);
            QObject::connect(&made->line(), &TChartSeries::clicked, &chart_, [this, key] {
                if (lineClicked) lineClicked({key.first, key.second});
            });
            lines_.emplace(key, std::move(made));
        }
    }

    // The chart keeps the order in which series joined it: the part that agrees with the
    // document stays, the rest joins again in the document's order.
    const std::vector<SeriesKey>& drawn = document.drawn();
    std::size_t same = 0;
    while (same < attached_.size() && same < drawn.size() && attached_[same] == drawn[same]) ++same;
    for (std::size_t k = same; k < attached_.size(); ++k)
        lines_.at({attached_[k].table, attached_[k].column})->detach();
    attached_.assign(drawn.begin(), drawn.begin() + static_cast<std::ptrdiff_t>(same));

    for (std::size_t k = 0; k < drawn.size(); ++k) {
        const SeriesKey key = drawn[k];
        const SeriesData& series = *document.series(key);
        SeriesLines& lines = *lines_.at({key.table, key.column});
        const bool wide = emphasised_ && *emphasised_ == key;
        lines.show({QString::fromStdString(series.displayName),
                    drawnColour(series, document.styles()).toQColor(), series.penStyle,
                    series.lineWidth + (wide ? extraWidth_ : 0), series.legendWidth});
        if (k >= same) {
            lines.attach(chart_);
            attached_.push_back(key);
        }
    }
}

void ChartProjection::showChart(const ChartDocument& document) {
    if (chart_.titleLines() != QStringList{document.title()}) {
        chart_.clearTitle();
        chart_.addTitleLine(document.title());
    }
    chart_.setBackColor(Qt::white);
    const ChartGradient& gradient = document.gradient();
    chart_.setGradientDirection(static_cast<TChart::GradientDirection>(gradient.direction));
    chart_.setGradientStartColor(gradient.start.toQColor());
    chart_.setGradientEndColor(gradient.end.toQColor());
    chart_.setGradientVisible(gradient.visible);
    chart_.setLegendVisible(!document.legendHidden());

    TChartAxis& bottom = chart_.bottomAxis();
    const DateAxisState& dates = document.dates();
    bottom.setTitle(document.xAxisTitle());
    if (dates.view) bottom.setMinMax(dates.view->minimum, dates.view->maximum);
    bottom.setDesiredIncrement(dates.incrementDays);
    bottom.setLabelsSeparation(dates.labelsSeparation);
    bottom.setMinorTickCount(dates.minorTicks);
    bottom.setDateTimeFormat(dates.format);
    chart_.setMaxPointsPerPage(dates.maxPointsPerPage);

    TChartAxis& left = chart_.leftAxis();
    left.setTitle(document.yAxisTitle());
    const ValueRange values = document.valueAxis().value_or(ValueRange{});
    left.setMinMax(values.minimum, values.maximum);
    left.setLogarithmic(document.logarithmic());
}
