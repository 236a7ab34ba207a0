#include "TChart.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cmath>
#include <vector>

#include "DayNumberDate.h"
#include "PdfPrinterSetup.h"
#include "TChartSeries.h"

namespace {

// A chart of fixed size with both axes fixed, so that pixels map to known values.
struct ChartFixture : ::testing::Test {
    TChart chart;
    ChartFixture() {
        chart.resize(400, 300);
        chart.setLegendVisible(false);
        chart.bottomAxis().setMinMax(0, 10);
        chart.leftAxis().setMinMax(0, 2);
        chart.redraw();
    }
    QPoint pixelOf(double x, double y) {
        chart.redraw();
        return QPoint(qRound(chart.xAxis->coordToPixel(x)), qRound(chart.yAxis->coordToPixel(y)));
    }
    void mouse(QEvent::Type type, QPoint pos, Qt::MouseButton button) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, pos, chart.mapToGlobal(pos), button, held, Qt::NoModifier);
        QApplication::sendEvent(&chart, &event);
    }
    void dragWith(Qt::MouseButton button, QPoint from, QPoint to) {
        mouse(QEvent::MouseButtonPress, from, button);
        mouse(QEvent::MouseMove, (from + to) / 2, button);
        mouse(QEvent::MouseMove, to, button);
        mouse(QEvent::MouseButtonRelease, to, button);
    }
};

bool isReddish(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }

class CancelledSetup : public PrinterSetup {
public:
    bool setUp(QPrinter&, QWidget*) override { return false; }
};

}  // namespace

TEST_F(ChartFixture, NullPointsLeaveGapsInTheDrawnLine) {
    TLineSeries series;
    series.setPenWidth(3);
    for (int x = 0; x <= 10; ++x) {
        if (x == 5)
            series.addNullXY(x);
        else
            series.addXY(x, 1);
    }
    series.setParentChart(&chart);
    chart.redraw();
    const QImage picture = chart.bitmap();
    const int row = pixelOf(0, 1).y();
    const auto redAt = [&](double x) { return isReddish(picture.pixel(pixelOf(x, 1).x(), row)); };
    EXPECT_TRUE(redAt(2.5));
    EXPECT_TRUE(redAt(7.5));
    EXPECT_FALSE(redAt(4.5));
    EXPECT_FALSE(redAt(5.5));

    // A new colour keeps the gap.
    series.setSeriesColor(Qt::blue);
    EXPECT_FALSE(series.valueColor(5).isValid());
    EXPECT_EQ(series.valueColor(4), QColor(Qt::blue));
    chart.redraw();
    const QImage again = chart.bitmap();
    EXPECT_EQ(qBlue(again.pixel(pixelOf(2.5, 1).x(), row)), 255);
    EXPECT_NE(again.pixel(pixelOf(5, 1).x(), row), again.pixel(pixelOf(2.5, 1).x(), row));
}

TEST_F(ChartFixture, PointsDrawInTheirOwnColourWithColorEachPoint) {
    TLineSeries series;
    series.setPenWidth(3);
    for (int x = 0; x <= 10; ++x) series.addXY(x, 1);
    series.setParentChart(&chart);
    series.setValueColor(8, QColor(0, 0, 255));
    EXPECT_EQ(series.valueColor(8), QColor(0, 0, 255));
    EXPECT_EQ(series.valueColor(7), QColor(Qt::red));
    const int row = pixelOf(0, 1).y();
    const auto pixelAt = [&](double x) {
        chart.redraw();
        return chart.bitmap().pixelColor(pixelOf(x, 1).x(), row);
    };
    EXPECT_EQ(pixelAt(7.5), QColor(Qt::red));  // own colours are drawn only when switched on
    series.setColorEachPoint(true);
    EXPECT_EQ(pixelAt(7.5), QColor(0, 0, 255));  // the segment that ends at point 8
    EXPECT_EQ(pixelAt(8.5), QColor(Qt::red));
    // The series colour given to every point: one colour again, the gap stays a gap.
    series.setValueColor(3, QColor());
    series.setSeriesColor(Qt::green);
    for (int i = 0; i < series.count(); ++i)
        if (!series.isNull(i)) series.setValueColor(i, QColor(Qt::green));
    EXPECT_EQ(pixelAt(7.5), QColor(Qt::green));
    EXPECT_NE(pixelAt(2.5), QColor(Qt::green));
    EXPECT_FALSE(series.valueColor(3).isValid());
}

TEST_F(ChartFixture, SeriesAttachDetachAndOutliveTheChart) {
    auto chartOnHeap = std::make_unique<TChart>();
    TLineSeries line;
    TFastLineSeries legendOnly;
    line.add(1);
    line.add(2);
    line.setShowInLegend(false);
    legendOnly.setTitle("Flow: A");
    line.setParentChart(chartOnHeap.get());
    legendOnly.setParentChart(chartOnHeap.get());
    EXPECT_EQ(chartOnHeap->seriesList().size(), 2);
    EXPECT_EQ(chartOnHeap->plottableCount(), 2);
    EXPECT_EQ(chartOnHeap->legend->itemCount(), 1);
    legendOnly.setParentChart(nullptr);
    EXPECT_EQ(chartOnHeap->plottableCount(), 1);
    EXPECT_EQ(chartOnHeap->legend->itemCount(), 0);
    EXPECT_EQ(legendOnly.parentChart(), nullptr);
    chartOnHeap.reset();
    EXPECT_EQ(line.parentChart(), nullptr);
    EXPECT_EQ(line.count(), 2);
    {
        TLineSeries shortLived;
        shortLived.setParentChart(&chart);
    }
    EXPECT_TRUE(chart.seriesList().isEmpty());
    EXPECT_EQ(chart.plottableCount(), 0);
    chart.redraw();
}

TEST_F(ChartFixture, PageCountFollowsTheLongestAttachedSeries) {
    TLineSeries a;
    TLineSeries b;
    std::vector<double> xs(1000);
    std::vector<double> ys(1000, 1.0);
    for (int i = 0; i < 1000; ++i) xs[i] = i;
    a.addPoints(xs, ys);
    b.addPoints(std::span(xs).first(10), std::span(ys).first(10));
    a.setParentChart(&chart);
    b.setParentChart(&chart);
    chart.setMaxPointsPerPage(365);
    EXPECT_EQ(chart.pageCount(), 3);
    EXPECT_TRUE(chart.setPage(3));
    EXPECT_FALSE(chart.setPage(4));
    EXPECT_EQ(chart.page(), 3);
    a.setParentChart(nullptr);
    EXPECT_EQ(chart.pageCount(), 1);
}

TEST_F(ChartFixture, DateTimeAxisLabelsUseTheToolkitFormat) {
    TLineSeries series;
    series.setXValuesDateTime(true);
    series.setParentChart(&chart);
    EXPECT_TRUE(chart.bottomAxis().isDateTime());
    TChartAxis& bottom = chart.bottomAxis();
    bottom.setMinMax(*encodeDate(1990, 1, 1), *encodeDate(2000, 1, 1));
    bottom.setDesiredIncrement(365);
    bottom.setLabelsSeparation(50);
    bottom.setDateTimeFormat("yyyy");
    chart.redraw();
    const QVector<QString> labels = chart.xAxis->tickVectorLabels();
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_TRUE(labels.contains("1994"));
    for (const QString& label : labels) EXPECT_EQ(label.size(), 4);

    bottom.setMinMax(*encodeDate(2000, 1, 1), *encodeDate(2000, 1, 2));
    bottom.setDesiredIncrement(1.0 / 24);
    bottom.setDateTimeFormat("hh:nn");
    chart.redraw();
    EXPECT_TRUE(chart.xAxis->tickVectorLabels().contains("12:00"));
}

TEST_F(ChartFixture, ValueAxisLabelsFollowIncrementAndPattern) {
    TChartAxis& left = chart.leftAxis();
    left.setMinMax(0, 3000);
    left.setDesiredIncrement(500);
    left.setValueFormat("#,##0.##");
    chart.redraw();
    const QVector<QString> labels = chart.yAxis->tickVectorLabels();
    EXPECT_TRUE(labels.contains("1,500"));
    EXPECT_TRUE(labels.contains("0"));
    EXPECT_FALSE(labels.contains("1,250"));
}

TEST_F(ChartFixture, LogarithmicAxisDrawsAPositiveRange) {
    TChartAxis& left = chart.leftAxis();
    left.setMinMax(-5, 5);
    left.setLogarithmic(true);
    chart.redraw();
    EXPECT_EQ(chart.yAxis->scaleType(), QCPAxis::stLogarithmic);
    EXPECT_GT(chart.yAxis->range().lower, 0);
    EXPECT_EQ(chart.yAxis->range().upper, 5);
    left.setLogarithmic(false);
    chart.redraw();
    EXPECT_EQ(chart.yAxis->range().lower, -5);
}

TEST_F(ChartFixture, AutomaticAxesFollowTheAttachedData) {
    TLineSeries series;
    series.addXY(2, -1);
    series.addXY(4, 3);
    series.addNullXY(6);
    series.setParentChart(&chart);
    chart.bottomAxis().setAutomatic(true);
    chart.leftAxis().setAutomaticMaximum(true);
    chart.redraw();
    EXPECT_EQ(chart.bottomAxis().minimum(), 2);
    EXPECT_EQ(chart.bottomAxis().maximum(), 6);
    EXPECT_EQ(chart.leftAxis().minimum(), 0);
    EXPECT_EQ(chart.leftAxis().maximum(), 3);
}

TEST_F(ChartFixture, MouseZoomUnzoomAndPanReportTheirEvents) {
    QSignalSpy zoomed(&chart, &TChart::zoomed);
    QSignalSpy undone(&chart, &TChart::undoZoomed);
    QSignalSpy scrolled(&chart, &TChart::scrolled);

    // A rectangle only a few pixels high is no zoom.
    const QPoint corner = pixelOf(2, 1.5);
    dragWith(Qt::LeftButton, corner, corner + QPoint(100, 4));
    EXPECT_EQ(zoomed.count(), 0);
    EXPECT_EQ(undone.count(), 0);
    EXPECT_EQ(chart.leftAxis().maximum(), 2);

    dragWith(Qt::LeftButton, pixelOf(2, 1.5), pixelOf(4, 0.5));
    EXPECT_EQ(zoomed.count(), 1);
    EXPECT_NEAR(chart.bottomAxis().minimum(), 2, 0.05);
    EXPECT_NEAR(chart.bottomAxis().maximum(), 4, 0.05);
    EXPECT_NEAR(chart.leftAxis().minimum(), 0.5, 0.02);
    EXPECT_NEAR(chart.leftAxis().maximum(), 1.5, 0.02);

    const QPoint from = pixelOf(3, 1);
    dragWith(Qt::RightButton, from, from + QPoint(-50, 0));
    EXPECT_GE(scrolled.count(), 1);
    const double width = chart.bottomAxis().maximum() - chart.bottomAxis().minimum();
    EXPECT_GT(chart.bottomAxis().minimum(), 2.1);
    EXPECT_NEAR(width, 2, 0.05);

    dragWith(Qt::LeftButton, pixelOf(3.5, 0.8), pixelOf(2.5, 1.2));
    EXPECT_EQ(undone.count(), 1);
    EXPECT_EQ(chart.bottomAxis().minimum(), 0);
    EXPECT_EQ(chart.bottomAxis().maximum(), 10);
    EXPECT_EQ(chart.leftAxis().maximum(), 2);
    EXPECT_EQ(zoomed.count(), 1);
}

TEST_F(ChartFixture, ClickingALineReportsTheSeriesAndPointIndex) {
    TLineSeries series;
    for (int x = 0; x <= 10; ++x) series.addXY(x, 1);
    series.setParentChart(&chart);
    QSignalSpy clicked(&series, &TChartSeries::clicked);
    const QPoint onLine = pixelOf(7.1, 1);
    mouse(QEvent::MouseButtonPress, onLine, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, onLine, Qt::LeftButton);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked[0][1].toInt(), 7);
    EXPECT_EQ(clicked[0][2].value<Qt::MouseButton>(), Qt::LeftButton);

    const QPoint awayFromLine = pixelOf(7, 1.8);
    mouse(QEvent::MouseButtonPress, awayFromLine, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, awayFromLine, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(ChartFixture, BackgroundGradientBackWallAndTitle) {
    chart.setGradientStartColor(Qt::white);
    chart.setGradientEndColor(QColor(255, 255, 128));
    chart.setGradientVisible(true);
    chart.setBackWallColor(QColor(0, 128, 0));
    chart.addTitleLine("Results");
    chart.addTitleLine("second line");
    EXPECT_EQ(chart.titleLines(), QStringList({"Results", "second line"}));
    chart.redraw();
    const QImage picture = chart.bitmap();
    EXPECT_GE(picture.pixelColor(2, 2).blue(), 250);
    EXPECT_LT(picture.pixelColor(2, 297).blue(), 140);
    EXPECT_EQ(picture.pixelColor(pixelOf(5, 1)), QColor(0, 128, 0));
    const int plotTopWithTitle = chart.axisRect()->top();
    chart.clearTitle();
    chart.redraw();
    EXPECT_LT(chart.axisRect()->top(), plotTopWithTitle);
    chart.setGradientVisible(false);
    chart.setBackColor(Qt::black);
    chart.redraw();
    EXPECT_EQ(chart.bitmap().pixelColor(2, 297), QColor(Qt::black));
}

TEST_F(ChartFixture, PicturesShowLimitsSetJustBefore) {
    TLineSeries series;
    series.setPenWidth(3);
    series.addXY(0, 1);
    series.addXY(10, 1);
    series.setParentChart(&chart);
    const QPoint middle = pixelOf(5, 1);
    chart.leftAxis().setMinMax(1.5, 2);  // the line leaves the view; no redraw follows
    EXPECT_FALSE(isReddish(chart.bitmap().pixel(middle)));
    chart.leftAxis().setMinMax(0, 2);
    EXPECT_TRUE(isReddish(chart.bitmap().pixel(middle)));
}

TEST_F(ChartFixture, PrintGoesThroughThePrinterSetup) {
    QTemporaryDir dir;
    const QString path = dir.filePath("chart.pdf");
    PdfPrinterSetup setup(path);
    EXPECT_TRUE(chart.print(setup));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(4) == "%PDF");
    CancelledSetup cancelled;
    EXPECT_FALSE(chart.print(cancelled));
}

TEST_F(ChartFixture, CopiesPutBitmapAndVectorPictureOnTheClipboard) {
    chart.addTitleLine("Profile");
    const std::unique_ptr<QMimeData> mime = chart.pictureMimeData();
    const QByteArray svg = mime->data("image/svg+xml");
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("width=\"400"));
    const QImage png = qvariant_cast<QImage>(mime->imageData());
    EXPECT_EQ(png.size(), QSize(400, 300));

    chart.copyToClipboardPicture();
    const QMimeData* onClipboard = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(onClipboard, nullptr);
    EXPECT_TRUE(onClipboard->hasFormat("image/svg+xml"));
    EXPECT_TRUE(onClipboard->hasImage());

    chart.copyToClipboardBitmap();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(400, 300));
}

TEST(TChartFirstPicture, AFreshChartLabelsItsWholeAxis) {
    TChart chart;
    chart.resize(800, 300);
    TChartAxis& bottom = chart.bottomAxis();
    bottom.setDateTime(true);
    bottom.setMinMax(*encodeDate(1990, 1, 1), *encodeDate(2000, 1, 1));
    bottom.setDesiredIncrement(365);
    bottom.setDateTimeFormat("yyyy");
    chart.bitmap();
    EXPECT_GE(chart.xAxis->tickVectorLabels().size(), 8);
}
