#include "ChartRendering.h"

#include <QFile>
#include <QImage>

#include "ChartsWindowTesting.h"
#include "FileSizeLimit.h"

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

TEST_F(ChartsWindowTest, APictureThatCannotBeWrittenKeepsTheOldOneAndSaysWhy) {
    start();
    addFiles({table("one.txt", hourlyTable({"A"}, 200))});
    const QSize size(640, 480);
    for (const QString name : {"chart.png", "chart.pdf", "chart.svg"}) {
        const QString path = folder.path(name);
        ASSERT_FALSE(folder.write(name, "an older picture").isEmpty());
        QString failure;
        {
            // The disk fills up after 100 bytes: every format needs more.
            const FileSizeLimit limit(100);
            failure = renderChart(window.chart(), path, size);
        }
        EXPECT_TRUE(failure.contains(FileSizeLimit::reason())) << failure.toStdString();
        EXPECT_TRUE(failure.contains(path)) << failure.toStdString();
        EXPECT_EQ(fileBytes(path), "an older picture") << name.toStdString();
    }
    EXPECT_EQ(QDir(folder.path(".")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"chart.pdf", "chart.png", "chart.svg", "one.txt"}));

    // Through a link the picture replaces the file it points at; the link stays.
    ASSERT_TRUE(QFile::link("chart.png", folder.path("latest.png")));
    ASSERT_EQ(renderChart(window.chart(), folder.path("latest.png"), size), QString());
    EXPECT_TRUE(QFileInfo(folder.path("latest.png")).isSymLink());
    EXPECT_EQ(QImage(folder.path("chart.png")).size(), size);
}
