// The arrow overlay for a 500 x 500 view: 250 000 gradient arrows over a 501 x 501 paint box
// (one pixel per cell), with the start options (10 to 60 pixels, pen width 2). Compared with
// the painter drawing the same strokes batched per colour class.
// And the gradient arrows of a whole 2000 x 2000 grid (4 million arrows, several on each pixel)
// over the 1000 x 800 picture of the window, as the overlay was (one thread, every arrow over
// the ones before), on one thread and on every core.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "ArrowOverlay.h"
#include "ArrowShape.h"
#include "GridPaint.h"
#include "ReferenceArrowOverlay.h"

namespace {

// The shortest of the repetitions: the figure least disturbed by other work on the machine.
double BestOf(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

constexpr double Nodata = -9999;
constexpr int Cells = 500;

// Hills with noise and a nodata corner, like a terrain model.
const ArrowGrids& gradients() {
    static const ArrowGrids arrows = [] {
        GridRows values(Cells, Cells);
        std::mt19937 random(5);
        std::uniform_real_distribution<double> noise(-0.5, 0.5);
        for (int i = 0; i < Cells; ++i)
            for (int j = 0; j < Cells; ++j)
                values.at(i, j) =
                    (i + j < 40)
                        ? Nodata
                        : 300 + 80 * std::sin(i * 0.02) * std::cos(j * 0.015) + noise(random);
        ArrowGrids grids;
        ComputeGradientGrids(grids, values, 25, Nodata);
        return grids;
    }();
    return arrows;
}

ViewWindow wholeView() {
    ViewWindow view;
    view.LastRow = Cells;
    view.LastCol = Cells;
    view.DrawWidth = Cells;
    view.DrawHeight = Cells;
    return view;
}

QImage freshPicture() {
    QImage picture(Cells + 1, Cells + 1, QImage::Format_RGB32);
    picture.fill(0xFFC0C0C0);
    return picture;
}

// Every arrow drawn anew, the shapes found on the way, as after a change of the options.
void OverlayFirstPaint(benchmark::State& state) {
    const ArrowGrids& arrows = gradients();
    const ViewWindow view = wholeView();
    QImage picture = freshPicture();
    std::size_t shapes = 0;
    for (auto _ : state) {
        ArrowStamps stamps;
        DrawArrowOverlay(picture, arrows, Nodata, view, ArrowStart::CellCentre, ArrowOptions{},
                         stamps);
        shapes = stamps.shapeCount();
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["shapes"] = double(shapes);
}
BENCHMARK(OverlayFirstPaint)->Unit(benchmark::kMillisecond);

// Overlays: 0 as it was, 1 on one thread, 2 on every core.
void drawOverlay(int overlay, QImage& picture, const ArrowGrids& arrows, const ViewWindow& view,
                 ArrowStamps& stamps) {
    if (overlay == 0)
        ReferenceArrowOverlay(picture, arrows, Nodata, view, ArrowStart::CellCentre, ArrowOptions{},
                              stamps);
    else
        DrawArrowOverlay(picture, arrows, Nodata, view, ArrowStart::CellCentre, ArrowOptions{},
                         stamps, overlay == 1 ? 1 : 0);
}

// A repaint with the shapes of the last paint kept, as the window repaints.
void OverlayRepaint(benchmark::State& state) {
    const ArrowGrids& arrows = gradients();
    const ViewWindow view = wholeView();
    QImage picture = freshPicture();
    ArrowStamps stamps;
    const int overlay = static_cast<int>(state.range(0));
    drawOverlay(overlay, picture, arrows, view, stamps);
    for (auto _ : state) {
        drawOverlay(overlay, picture, arrows, view, stamps);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(OverlayRepaint)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("overlay")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("best", BestOf)
    ->ReportAggregatesOnly(true);

// Hills with noise and a nodata corner over 2000 x 2000 cells.
const ArrowGrids& bigGradients() {
    static const ArrowGrids arrows = [] {
        constexpr int Big = 2000;
        GridRows values(Big, Big);
        std::mt19937 random(5);
        std::uniform_real_distribution<double> noise(-0.5, 0.5);
        for (int i = 0; i < Big; ++i)
            for (int j = 0; j < Big; ++j)
                values.at(i, j) =
                    (i + j < 160)
                        ? Nodata
                        : 300 + 80 * std::sin(i * 0.005) * std::cos(j * 0.004) + noise(random);
        ArrowGrids grids;
        ComputeGradientGrids(grids, values, 25, Nodata);
        return grids;
    }();
    return arrows;
}

// What the arrows add to a repaint of the whole grid in the window's 1000 x 800 picture (the
// shapes of the last paint kept).
void WholeBigGrid(benchmark::State& state) {
    const ArrowGrids& arrows = bigGradients();
    ViewWindow view{0, 2000, 0, 2000};
    QImage picture(1000, 800, QImage::Format_RGB32);
    FitWindow(view, picture.width(), picture.height());
    ArrowStamps stamps;
    const int overlay = static_cast<int>(state.range(0));
    drawOverlay(overlay, picture, arrows, view, stamps);
    for (auto _ : state) {
        drawOverlay(overlay, picture, arrows, view, stamps);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(WholeBigGrid)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("overlay")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("best", BestOf)
    ->ReportAggregatesOnly(true);

// The painter with one drawLines call per colour class (the overlap order differs from the
// cell order, so this only measures what batching alone costs).
void PainterBatchedPerColour(benchmark::State& state) {
    const ArrowGrids& arrows = gradients();
    const ArrowOptions options;
    QImage picture = freshPicture();
    const int offset = 0;  // floor(1 pixel per cell * 0.5)
    for (auto _ : state) {
        std::vector<std::pair<Colour, std::vector<QLine>>> classes;
        for (int i = 0; i < Cells; ++i)
            for (int j = 0; j < Cells; ++j) {
                const double m = arrows.ArrowMagnitude->at(i, j);
                const double d = arrows.ArrowDirection->at(i, j);
                if (m == Nodata || d == Nodata) continue;
                const ArrowShape shape =
                    ArrowShapeFor(ScreenAngleOf(d), m, arrows.ArrowMaxMagnitude, options);
                if (!shape.hasHead) continue;
                const Colour colour = ArrowColourFor(m, arrows.ArrowMaxMagnitude);
                auto found = std::find_if(classes.begin(), classes.end(),
                                          [&](const auto& c) { return c.first == colour; });
                if (found == classes.end()) found = classes.insert(classes.end(), {colour, {}});
                const QPoint from(j + 1 - offset, i + 1 - offset);
                const QPoint tip = from + shape.tip;
                found->second.push_back(QLine(from, tip));
                found->second.push_back(QLine(tip, from + shape.head1));
                found->second.push_back(QLine(tip, from + shape.head2));
            }
        QPainter painter(&picture);
        for (const auto& [colour, lines] : classes) {
            painter.setPen(ArrowPen(colour, options.ArrowThickness));
            painter.drawLines(lines.data(), int(lines.size()));
        }
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(PainterBatchedPerColour)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
