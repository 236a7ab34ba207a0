// Loading and saving a 4000 x 4000 grid: the ASCII reader (values and statistics in one
// pass over the bytes) and the double precision binary reader, which should run at
// memory speed from the page cache. Throughput is reported over the file's bytes.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <random>

#include "LoadGrid.h"
#include "WriteGrid.h"

namespace {

constexpr int Size = 4000;

// The benchmark's files, written once: values with seven significant digits
// (1000.000 to 9999.999) and about one cell in forty nodata.
struct BenchFiles {
    QTemporaryDir folder;
    QString ascii = folder.filePath("grid.asc");
    QString binary = folder.filePath("grid.bin");
    GridDocument doc;

    BenchFiles() {
        auto rows = std::make_unique<GridRows>(Size, Size);
        std::mt19937 random(11);
        std::uniform_real_distribution<double> noise(0, 50);
        for (int r = 0; r < Size; ++r)
            for (int c = 0; c < Size; ++c)
                rows->at(r, c) =
                    (r * 7 + c * 13) % 40 == 0
                        ? -9999
                        : std::round((5000 + 3000 * std::sin(r * 0.002) * std::cos(c * 0.003) +
                                      noise(random)) *
                                     1000) /
                              1000;
        doc.header = {Size, Size, 250000, 5600000, 25, -9999};
        doc.setOwnValues(std::move(rows));
        WriteGridAs(ascii, doc, -9999, GridOutputFormat::Ascii);
        WriteGridAs(binary, doc, -9999, GridOutputFormat::Double);
    }
};

BenchFiles& files() {
    static BenchFiles instance;
    return instance;
}

void loadBenchmark(benchmark::State& state, const QString& fileName) {
    const std::int64_t bytes = QFileInfo(fileName).size();
    for (auto _ : state) {
        GridDocument doc;
        LoadGrid(doc, fileName, NetcdfLevelReader());
        benchmark::DoNotOptimize(doc.statistics.Sum);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

void writeBenchmark(benchmark::State& state, GridOutputFormat format, const QString& name) {
    const QString fileName = files().folder.filePath(name);
    for (auto _ : state) WriteGridAs(fileName, files().doc, -9999, format);
    state.SetBytesProcessed(state.iterations() * QFileInfo(fileName).size());
}

void BM_LoadAsciiGrid(benchmark::State& state) { loadBenchmark(state, files().ascii); }
void BM_LoadDoubleGrid(benchmark::State& state) { loadBenchmark(state, files().binary); }
void BM_WriteAsciiGrid(benchmark::State& state) {
    writeBenchmark(state, GridOutputFormat::Ascii, "out.asc");
}
void BM_WriteDoubleGrid(benchmark::State& state) {
    writeBenchmark(state, GridOutputFormat::Double, "out.bin");
}

}  // namespace

BENCHMARK(BM_LoadAsciiGrid)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_LoadDoubleGrid)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_WriteAsciiGrid)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_WriteDoubleGrid)->Unit(benchmark::kMillisecond)->MinTime(2);

BENCHMARK_MAIN();
