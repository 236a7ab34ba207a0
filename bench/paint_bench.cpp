// Repaint of the grid picture: a whole 4000 x 4000 grid into a 1000 x 800 picture (cells
// merged to about 5 x 5 per pixel), and a zoomed 100 x 100 window with grid lines. Each is
// timed with the painting as it was (one thread, one cell after the other), with the painter
// on one thread and with the painter on every core.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "ClassBounds.h"
#include "GridPaint.h"
#include "PaletteSet.h"
#include "ReferenceGridPaint.h"

namespace {

// The shortest of the repetitions: the figure least disturbed by other work on the machine.
double BestOf(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

constexpr double Nodata = -9999;

// A smooth field with noise and a nodata corner, like a terrain model.
const GridRows& bigGrid() {
    static const GridRows rows = [] {
        GridRows values(4000, 4000);
        std::mt19937 random(3);
        std::uniform_real_distribution<double> noise(-5, 5);
        for (int i = 0; i < values.rowCount(); ++i) {
            double* row = values.row(i);
            for (int j = 0; j < values.columnCount(); ++j)
                row[j] = (i + j < 300) ? Nodata
                                       : 500 + 300 * std::sin(i * 0.003) * std::cos(j * 0.002) +
                                             noise(random);
        }
        return values;
    }();
    return rows;
}

ColourClasses classes(bool discontinuous) {
    GridStatistics statistics;
    statistics.Minimum = 190;
    statistics.Maximum = 810;
    statistics.Average = 500;
    PaletteSet palettes;
    palettes.BuildPalettes(1.0);
    ColourClasses result;
    result.ClassBounds = UpdateLegendValues(statistics, false, 0, 0).ClassBounds;
    result.LegendColours = palettes.Palettes[1];
    result.DiscontinuousColors = discontinuous;
    return result;
}

// Painters: 0 the painting as it was, 1 the painter on one thread, 2 on every core.
void paint(benchmark::State& state, ViewWindow window, bool gridLines) {
    const GridRows& values = bigGrid();
    const ColourClasses colours = classes(state.range(0) != 0);
    const auto painter = state.range(1);
    PaintSettings settings;
    settings.DrawGridLines = gridLines;
    settings.NodataTransparent = false;
    settings.Workers = painter == 1 ? 1 : 0;
    QImage picture(1000, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        if (painter == 0)
            ReferenceGridPaint(picture, values, Nodata, window, colours, settings);
        else
            GridPaint(picture, values, Nodata, window, colours, settings);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["DrawWidth"] = window.DrawWidth;
    state.counters["DrawHeight"] = window.DrawHeight;
}

void WholeGrid(benchmark::State& state) { paint(state, ViewWindow{0, 4000, 0, 4000}, false); }

void ZoomedWindowWithGridLines(benchmark::State& state) {
    paint(state, ViewWindow{1950, 2050, 1950, 2050}, true);
}

}  // namespace

// Arguments: colours 0 blended, 1 stepped; painter 0 as it was, 1 one thread, 2 every core.
// Wall time, as the painter may use more threads than the one measured for CPU time.
BENCHMARK(WholeGrid)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->ArgNames({"stepped", "painter"})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("best", BestOf)
    ->ReportAggregatesOnly(true);
BENCHMARK(ZoomedWindowWithGridLines)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->ArgNames({"stepped", "painter"})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("best", BestOf)
    ->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
