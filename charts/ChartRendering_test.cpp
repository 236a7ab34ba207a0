#include "ChartRendering.h"

#include <QFile>
#include <QImage>

#include "ChartsWindowTesting.h"

TEST_F(ChartsWindowTest, TheChartIsDrawnIntoPngPdfAndSvgAtTheGivenSize) {
    start();
    addFiles({table("one.txt", hourlyTable({"A"}))});
    const QSize size(320, 200);
    ASSERT_EQ(renderChart(window.chart(), folder.path("chart.png"), size), QString());
    const QImage picture(folder.path("chart.png"));
    EXPECT_EQ(picture.size(), size);
    // The line is drawn in red somewhere in the picture.
    bool red = false;
    for (int y = 0; y < picture.height() && !red; ++y)
        for (int x = 0; x < picture.width() && !red; ++x)
            red = picture.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_TRUE(red);

    ASSERT_EQ(renderChart(window.chart(), folder.path("chart.pdf"), size), QString());
    QFile pdf(folder.path("chart.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    ASSERT_EQ(renderChart(window.chart(), folder.path("chart.SVG"), size), QString());
    QFile svg(folder.path("chart.SVG"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));

    EXPECT_FALSE(renderChart(window.chart(), folder.path("chart.gif"), size).isEmpty());
    EXPECT_FALSE(renderChart(window.chart(), folder.path("missing/chart.png"), size).isEmpty());
    EXPECT_FALSE(QFile::exists(folder.path("chart.gif")));
}
