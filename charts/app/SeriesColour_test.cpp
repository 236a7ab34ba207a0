#include "SeriesColour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "TChart.h"
#include "TChartSeries.h"

// The colour fits the chart component's own series.
template void showSeriesColour<TChartSeries>(const QColor&, TChartSeries&, TChartSeries&);

namespace {

// The chart series' interface over plain members: points with their own colours, null
// points where y is NaN.
struct FakeSeries {
    QColor colour = Qt::black;
    bool eachPoint = false;
    std::vector<double> y;
    std::vector<QColor> pointColours;

    explicit FakeSeries(std::vector<double> values = {})
        : y(std::move(values)), pointColours(y.size()) {}
    QColor seriesColor() const { return colour; }
    void setSeriesColor(const QColor& c) { colour = c; }
    void setColorEachPoint(bool on) { eachPoint = on; }
    int count() const { return static_cast<int>(y.size()); }
    bool isNull(int i) const { return std::isnan(y[i]); }
    void setValueColor(int i, const QColor& c) { pointColours[i] = c; }
};

const double gap = std::nan("");

}  // namespace

TEST(SeriesColour, AColourChangeKeepsTheGaps) {
    FakeSeries line({1.0, gap, 3.0, gap}), legend;
    legend.eachPoint = true;
    showSeriesColour(QColor(Qt::green), line, legend);
    EXPECT_TRUE(line.eachPoint);
    EXPECT_EQ(line.pointColours[0], QColor(Qt::green));
    EXPECT_FALSE(line.pointColours[1].isValid());
    EXPECT_EQ(line.pointColours[2], QColor(Qt::green));
    EXPECT_FALSE(line.pointColours[3].isValid());
    EXPECT_FALSE(legend.eachPoint);
    EXPECT_EQ(legend.colour, QColor(Qt::green));
}
