// What one display command of Vistal's window costs: one render of the grid view, a whole
// 4000 x 4000 grid into the window's 1000 x 800 picture with 200 selected cells and the legend,
// without and with the gradient arrows of every cell (the shapes of the last render kept).
// The window used to paint the picture twice for a command (the command, then the repaint).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <vector>

#include "GammaSetting.h"
#include "GridView.h"
#include "LevelStatistics.h"

namespace {

double BestOf(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

constexpr int Side = 4000;
constexpr double Nodata = -9999;

// Rolling hills with a nodata band along the top, loaded and shown as the window shows it.
GridDocument& hills() {
    static GridDocument document = [] {
        GridDocument loaded;
        auto values = std::make_unique<GridRows>(Side, Side);
        for (int i = 0; i < Side; ++i)
            for (int j = 0; j < Side; ++j)
                values->at(i, j) = i < 40 ? Nodata : 200 + 90 * std::sin(i * 0.004 + j * 0.003);
        loaded.header.nrows = Side;
        loaded.header.ncols = Side;
        loaded.header.cellsize = 25;
        loaded.header.nodata_value = Nodata;
        loaded.statistics = levelStatistics(*values, Nodata);
        for (int k = 0; k < 200; ++k)
            loaded.selection.points.push_back({100 + 17 * k, 50 + 19 * k});
        loaded.setOwnValues(std::move(values));
        return loaded;
    }();
    return document;
}

// The legend's labels need fonts, which need a GUI application; it draws offscreen.
void startGuiApplication() {
    static int argc = 1;
    static char name[] = "view_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}

void Render(benchmark::State& state) {
    startGuiApplication();
    GridDocument& document = hills();
    GridView view;
    view.palettes().BuildPalettes(GammaOfPosition(50));
    view.choosePalette(1);
    view.updateLegendValues(document.statistics);
    FitPage(view.window, Side, Side);
    if (state.range(0) != 0) {
        ComputeGradientGrids(view.arrows, *document.Values, 25, Nodata);
        view.arrowMode = ArrowMode::Gradients;
    }
    const RenderTarget target{QSize(1000, 800), QSize(107, 800),
                              LegendStyleOf(QGuiApplication::palette(), QGuiApplication::font())};
    QImage picture;
    QImage legend;
    view.render(document, target, picture, legend);
    for (auto _ : state) {
        view.render(document, target, picture, legend);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

}  // namespace

BENCHMARK(Render)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("arrows")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("best", BestOf)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
