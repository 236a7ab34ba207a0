// Redraw of a chart holding 20 series of 262 800 points (30 years of hourly values, about
// 1 % missing), offscreen: the whole view, a pan step and a zoom step.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "DayNumberDate.h"
#include "TChart.h"
#include "TChartSeries.h"

namespace {

constexpr int SeriesCount = 20;
constexpr int PointCount = 262800;

struct BigChart {
    TChart chart;
    std::vector<std::unique_ptr<TLineSeries>> series;
    double start = *encodeDate(1990, 1, 1);
    double end = start + PointCount / 24.0;

    BigChart() {
        chart.resize(1200, 700);
        chart.addTitleLine("Tolmar-Kor Results");
        chart.setGradientVisible(true);
        chart.setGradientEndColor(QColor(255, 255, 128));
        std::mt19937 random(7);
        std::uniform_real_distribution<double> noise(-1, 1);
        std::uniform_int_distribution<int> missing(0, 99);
        std::vector<double> xs(PointCount);
        std::vector<double> ys(PointCount);
        for (int i = 0; i < PointCount; ++i) xs[i] = start + i / 24.0;
        for (int s = 0; s < SeriesCount; ++s) {
            for (int i = 0; i < PointCount; ++i)
                ys[i] = missing(random) == 0
                            ? std::nan("")
                            : 10 * s + 5 * std::sin(i * 2 * M_PI / 8760.0) + noise(random);
            auto line = std::make_unique<TLineSeries>();
            line->setXValuesDateTime(true);
            line->setTitle(QStringLiteral("Flow: %1").arg(s));
            line->setSeriesColor(QColor::fromHsv(s * 18, 255, 200));
            line->addPoints(xs, ys);
            line->setParentChart(&chart);
            series.push_back(std::move(line));
        }
        TChartAxis& bottom = chart.bottomAxis();
        bottom.setDesiredIncrement(365);
        bottom.setDateTimeFormat("yyyy");
        bottom.setMinMax(start, end);
        chart.leftAxis().setMinMax(-10, 200);
        chart.redraw();
    }
};

BigChart& bigChart() {
    static BigChart chart;
    return chart;
}

void BM_FullRedraw(benchmark::State& state) {
    BigChart& big = bigChart();
    big.chart.bottomAxis().setMinMax(big.start, big.end);
    for (auto _ : state) big.chart.redraw();
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

void BM_FullPicture(benchmark::State& state) {
    BigChart& big = bigChart();
    big.chart.bottomAxis().setMinMax(big.start, big.end);
    for (auto _ : state) benchmark::DoNotOptimize(big.chart.bitmap());
}
BENCHMARK(BM_FullPicture)->Unit(benchmark::kMillisecond);

// One step of a pan: the whole view moves by 1 % and is drawn again.
void BM_PanStep(benchmark::State& state) {
    BigChart& big = bigChart();
    const double width = big.end - big.start;
    double offset = 0;
    for (auto _ : state) {
        offset = offset > 0 ? -0.01 * width : 0.01 * width;
        big.chart.bottomAxis().setMinMax(big.start + offset, big.end + offset);
        big.chart.redraw();
    }
}
BENCHMARK(BM_PanStep)->Unit(benchmark::kMillisecond);

// One step of a zoom: alternating between all 30 years and one year in the middle.
void BM_ZoomStep(benchmark::State& state) {
    BigChart& big = bigChart();
    bool zoomedIn = false;
    const double middle = (big.start + big.end) / 2;
    for (auto _ : state) {
        zoomedIn = !zoomedIn;
        if (zoomedIn)
            big.chart.bottomAxis().setMinMax(middle, middle + 365);
        else
            big.chart.bottomAxis().setMinMax(big.start, big.end);
        big.chart.redraw();
    }
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
