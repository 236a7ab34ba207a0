#include "ChartProjection.h"

#include <gtest/gtest.h>

#include "TableTestFiles.h"

namespace {

QStringList drawnTitles(TChart& chart) {
    QStringList titles;
    for (TChartSeries* series : chart.seriesList())
        titles << (series->showInLegend() ? "legend " : "line ") + series->title();
    return titles;
}

}  // namespace

TEST(ChartProjection, TheChartFollowsTheDocumentAndHoldsThePointsOnce) {
    ChartDocument doc;
    doc.start(37000.0);
    doc.addTable(std::make_unique<FileContainer>(
        "t.txt",
        tableText("YYYY MM DD HH A B C", "2001 1 1 0 1 2 3\n2001 1 1 1 4 -9999 6\n", "Q")));
    const int id = doc.tableId(0);
    TChart chart;
    ChartProjection projection(chart);
    projection.show(doc);
    EXPECT_EQ(drawnTitles(chart), QStringList({"line Q: C", "legend Q: C"}));
    // The chart's line took the points; the table keeps none.
    EXPECT_EQ(chart.seriesList().at(0)->count(), 2);
    EXPECT_EQ(doc.series({id, 2})->pointCount(), 0u);

    // Drawn again after the first: the chart keeps the document's order.
    doc.setSeriesVisible({id, 0}, true);
    doc.setSeriesVisible({id, 2}, false);
    doc.setSeriesVisible({id, 2}, true);
    projection.show(doc);
    EXPECT_EQ(drawnTitles(chart),
              QStringList({"line Q: A", "legend Q: A", "line Q: C", "legend Q: C"}));

    // Looks, emphasis, titles and axes.
    doc.setSeriesColour({id, 0}, 0x008000);
    doc.rename(0, "R");
    doc.setTitle("T");
    doc.setLegendHidden(true);
    projection.setEmphasis(SeriesKey{id, 2}, 3);
    projection.show(doc);
    TChartSeries& a = *chart.seriesList().at(0);
    EXPECT_EQ(a.seriesColor(), QColor(0, 0x80, 0));
    EXPECT_EQ(a.title(), "R: A");
    EXPECT_EQ(chart.seriesList().at(2)->penWidth(), doc.series({id, 2})->lineWidth + 3);
    EXPECT_EQ(chart.titleLines(), QStringList{"T"});
    EXPECT_FALSE(chart.legendVisible());
    EXPECT_EQ(chart.leftAxis().minimum(), 1.0);
    EXPECT_EQ(chart.leftAxis().maximum(), 6.0);
    EXPECT_EQ(chart.bottomAxis().minimum(), doc.dates().view->minimum);

    // A removed table's lines leave the chart.
    doc.removeEntry(0);
    projection.show(doc);
    EXPECT_TRUE(chart.seriesList().isEmpty());
}

TEST(ChartProjection, ADashedSeriesKeepsItsEntryColourWithALegendLineTwiceAsWide) {
    ChartDocument doc;
    doc.start(37000.0);
    for (int i = 0; i < 18; ++i)
        doc.addTable(std::make_unique<FileContainer>(
            "t" + std::to_string(i), tableText("YYYY MM DD HH A", "2001 1 1 0 1\n2001 1 1 1 2\n")));
    TChart chart;
    ChartProjection projection(chart);
    projection.show(doc);
    // The 18th series holds entry 18: blue at width 2.
    TChartSeries& line = *chart.seriesList().at(34);
    TChartSeries& legend = *chart.seriesList().at(35);
    EXPECT_EQ(line.penWidth(), 2);
    EXPECT_EQ(legend.penWidth(), 2);

    doc.choosePattern({doc.tableId(17), 0}, 1);
    projection.show(doc);
    EXPECT_EQ(line.penStyle(), Qt::DashLine);
    EXPECT_EQ(legend.penStyle(), Qt::DashLine);
    EXPECT_EQ(line.penWidth(), 2);
    EXPECT_EQ(legend.penWidth(), 4);
    EXPECT_EQ(line.seriesColor(), QColor(Qt::blue));
    EXPECT_EQ(legend.seriesColor(), QColor(Qt::blue));
}
