#include "SeriesAttachment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ChartAppearance.h"
#include "DateLabels.h"
#include "TChart.h"
#include "TChartAxis.h"
#include "TChartSeries.h"

// The operations fit the chart component's own series and axes.
template bool attachSeries<TChartSeries, TChart>(SeriesData&, SeriesStyleTable&, TChartSeries&,
                                                 TChartSeries&, TChart&);
template bool detachSeries<TChartSeries>(const SeriesData&, SeriesStyleTable&, TChartSeries&,
                                         TChartSeries&);
template void toggleLogarithmic<TChartAxis>(TChartAxis&, bool);
template void setDateLabels<TChartAxis>(TChartAxis&, const DateLabels&);

namespace {

struct FakeChart {};

// The chart series' interface over plain members: points with their own colours, null
// points where y is NaN.
struct FakeSeries {
    FakeChart* chart = nullptr;
    QColor colour = Qt::black;
    bool eachPoint = false;
    std::vector<double> y;
    std::vector<QColor> pointColours;
    int width = 1;
    Qt::PenStyle pen = Qt::SolidLine;

    explicit FakeSeries(std::vector<double> values = {})
        : y(std::move(values)), pointColours(y.size()) {}
    FakeChart* parentChart() const { return chart; }
    void setParentChart(FakeChart* c) { chart = c; }
    QColor seriesColor() const { return colour; }
    void setSeriesColor(const QColor& c) { colour = c; }
    void setColorEachPoint(bool on) { eachPoint = on; }
    int count() const { return static_cast<int>(y.size()); }
    bool isNull(int i) const { return std::isnan(y[i]); }
    void setValueColor(int i, const QColor& c) { pointColours[i] = c; }
    int penWidth() const { return width; }
    void setPenWidth(int w) { width = w; }
    void setPenStyle(Qt::PenStyle p) { pen = p; }
};

const double gap = std::nan("");

}  // namespace

TEST(SeriesAttachment, AttachTakesAStyleAndDetachGivesItBack) {
    SeriesStyleTable styles;
    FakeChart chart;
    SeriesData first("Q: 1", "t.txt"), second("Q: 2", "t.txt");
    FakeSeries line1, legend1, line2, legend2;
    ASSERT_TRUE(attachSeries(first, styles, line1, legend1, chart));
    ASSERT_TRUE(attachSeries(second, styles, line2, legend2, chart));
    EXPECT_EQ(line2.parentChart(), &chart);
    EXPECT_EQ(legend2.parentChart(), &chart);
    EXPECT_EQ(line2.colour, QColor(Qt::blue));
    EXPECT_EQ(legend2.colour, QColor(Qt::blue));

    // A drawn series is not attached twice; the use count stays.
    EXPECT_FALSE(attachSeries(first, styles, line1, legend1, chart));
    EXPECT_EQ(styles.entry(0).useCount, 1);

    EXPECT_TRUE(detachSeries(first, styles, line1, legend1));
    EXPECT_EQ(line1.parentChart(), nullptr);
    EXPECT_EQ(legend1.parentChart(), nullptr);
    EXPECT_EQ(styles.entry(0).useCount, 0);
    EXPECT_FALSE(detachSeries(first, styles, line1, legend1));
    EXPECT_EQ(styles.entry(0).useCount, 0);
}

TEST(SeriesAttachment, AColourChangeKeepsTheGaps) {
    SeriesStyleTable styles;
    SeriesData series("Q: 1", "t.txt");
    FakeSeries line({1.0, gap, 3.0, gap}), legend;
    legend.eachPoint = true;
    setSeriesColour(series, 0x00FF00, styles, line, legend);
    EXPECT_EQ(series.colour, 0x00FF00u);
    EXPECT_TRUE(line.eachPoint);
    EXPECT_EQ(line.pointColours[0], QColor(Qt::green));
    EXPECT_FALSE(line.pointColours[1].isValid());
    EXPECT_EQ(line.pointColours[2], QColor(Qt::green));
    EXPECT_FALSE(line.pointColours[3].isValid());
    EXPECT_FALSE(legend.eachPoint);
    EXPECT_EQ(legend.colour, QColor(Qt::green));
}

TEST(SeriesAttachment, DashesWithTheDefaultColourAndALegendLineTwiceAsWide) {
    SeriesStyleTable styles;
    FakeChart chart;
    std::vector<SeriesData> series;
    for (int i = 0; i < 18; ++i) series.emplace_back("Q", "t.txt");
    std::vector<FakeSeries> lines(18), legends(18);
    for (int i = 0; i < 18; ++i) attachSeries(series[i], styles, lines[i], legends[i], chart);
    // The 18th series holds entry 18: blue at width 2.
    SeriesData& chosen = series[17];
    EXPECT_EQ(lines[17].width, 2);
    EXPECT_EQ(legends[17].width, 2);

    choosePattern(chosen, 1);
    setSeriesPenStyle(chosen, chosen.penStyle, lines[17], legends[17]);
    setSeriesColour(chosen, chosen.colour, styles, lines[17], legends[17]);
    EXPECT_EQ(chosen.colour, DefaultColourMarker);
    EXPECT_EQ(lines[17].pen, Qt::DashLine);
    EXPECT_EQ(legends[17].pen, Qt::DashLine);
    EXPECT_EQ(lines[17].width, 2);
    EXPECT_EQ(legends[17].width, 4);
    EXPECT_EQ(lines[17].colour, QColor(Qt::blue));

    setSeriesWidth(chosen, 3, lines[17], legends[17]);
    EXPECT_EQ(chosen.lineWidth, 3);
    EXPECT_EQ(legends[17].width, 3);
}
