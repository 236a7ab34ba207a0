// Selection and the clipboard text of cells on a 4000 x 4000 grid shown whole in a
// 1000 x 800 picture: a 1000-cell line and a 1000 x 1000 rectangle selected with their marks
// drawn into the picture, the copy text of that rectangle and its paste back.
#include <benchmark/benchmark.h>

#include <cmath>

#include "CellClipboardText.h"
#include "CellSelector.h"
#include "ClassBounds.h"
#include "GridPaint.h"
#include "PaletteSet.h"
#include "SelectionMarks.h"

namespace {

constexpr double Nodata = -9999;
constexpr int Size = 4000;

GridRows& bigGrid() {
    static GridRows rows = [] {
        GridRows values(Size, Size);
        for (int i = 0; i < Size; ++i)
            for (int j = 0; j < Size; ++j)
                values.at(i, j) = 500 + 300 * std::sin(i * 0.003) * std::cos(j * 0.002) +
                                  0.001 * ((i * 7919 + j * 104729) % 1000);
        return values;
    }();
    return rows;
}

ColourClasses classes() {
    GridStatistics statistics;
    statistics.Minimum = 190;
    statistics.Maximum = 810;
    statistics.Average = 500;
    PaletteSet palettes;
    palettes.BuildPalettes(1.0);
    return {UpdateLegendValues(statistics, false, 0, 0).ClassBounds, palettes.Palettes[0], false};
}

struct Scene {
    QImage picture{1000, 800, QImage::Format_RGB32};
    ViewWindow window{0, Size, 0, Size, 0, 0};
    ColourClasses colours = classes();
    Scene() { FitWindow(window, picture.width(), picture.height()); }
};

void selectWith(benchmark::State& state, void (CellSelector::*rule)(int, int), int col, int row) {
    Scene scene;
    const GridRows& values = bigGrid();
    std::size_t cells = 0;
    for (auto _ : state) {
        CellSelection selection;
        ProfileSeries profile;
        SelectionMarks marks(scene.picture, scene.window, values, Nodata, scene.colours, {});
        CellSelector selector(selection, profile, values, Nodata, marks);
        selector.Single(1000, 1000);
        (selector.*rule)(col, row);
        cells = selection.points.size();
        benchmark::DoNotOptimize(scene.picture.constBits());
    }
    state.counters["cells"] = static_cast<double>(cells);
}

void LineOf1000Cells(benchmark::State& state) {
    selectWith(state, &CellSelector::Line, 1999, 1600);
}

void RectangleOf1000x1000(benchmark::State& state) {
    selectWith(state, &CellSelector::Rectangle, 1999, 1999);
}

CellSelection rectangleSelection() {
    CellSelection selection;
    for (int row = 1001; row <= 2000; ++row)
        for (int col = 1001; col <= 2000; ++col) selection.points.push_back({col, row, -1});
    return selection;
}

void CopyRectangleOf1000x1000(benchmark::State& state) {
    const CellSelection selection = rectangleSelection();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = CopyCellsText(selection, bigGrid());
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

void PasteRectangleOf1000x1000(benchmark::State& state) {
    const std::string text = CopyCellsText(rectangleSelection(), bigGrid());
    GridRows& values = bigGrid();
    for (auto _ : state) {
        CellSelection selection;
        selection.points.push_back({2001, 2001, -1});
        const PasteOutcome outcome =
            PasteCellsText(text, values, Nodata, PasteMode::Replace, selection);
        if (outcome.failed) state.SkipWithError("paste failed");
        benchmark::DoNotOptimize(selection.points.data());
    }
}

}  // namespace

BENCHMARK(LineOf1000Cells)->Unit(benchmark::kMillisecond);
BENCHMARK(RectangleOf1000x1000)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyRectangleOf1000x1000)->Unit(benchmark::kMillisecond);
BENCHMARK(PasteRectangleOf1000x1000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
