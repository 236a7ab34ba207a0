// Repaint of the grid picture: a whole 4000 x 4000 grid into a 1000 x 800 picture (cells
// merged to about 5 x 5 per pixel), and a zoomed 100 x 100 window with grid lines.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "ClassBounds.h"
#include "GridPaint.h"
#include "PaletteSet.h"

namespace {

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

void paint(benchmark::State& state, ViewWindow window, bool gridLines) {
    const GridRows& values = bigGrid();
    const ColourClasses colours = classes(state.range(0) != 0);
    PaintSettings settings;
    settings.DrawGridLines = gridLines;
    settings.NodataTransparent = false;
    QImage picture(1000, 800, QImage::Format_RGB32);
    for (auto _ : state) {
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

// Argument: 0 continuous colours, 1 discontinuous.
BENCHMARK(WholeGrid)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ZoomedWindowWithGridLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
