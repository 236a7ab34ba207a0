// Times the evaluation of Kelvra's random fields: the direct formula against the
// angle-addition tables, in cell-modes per second (one cell-mode is one cosine term of one
// cell's sum).

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "FieldEvaluator.h"
#include "FieldKernel.h"
#include "KernelSlot.h"

namespace {

kelvra::KernelSlot square_field(int size) {
    kelvra::KernelSlot slot;
    slot.file_name = std::make_unique<char[]>(kelvra::kFileNameBytes);
    std::strcpy(slot.file_name.get(), "bench.asc");
    slot.nrows = slot.ncols = size;
    slot.cs = 100.0;
    slot.nodata = -9999.0;
    slot.stddev = 1.0;
    slot.corrx = slot.corry = 0.01;
    slot.initvalue = 4711;
    return slot;
}

void report(benchmark::State& state, double cells, int modes) {
    state.counters["cell_modes/s"] =
        benchmark::Counter(cells * modes, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["modes"] = modes;
}

// The formula cell by cell, with sin and cos of each direction computed once per generator.
// Large fields time their first rows only.
void Direct(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const int rows = size > 500 ? 8 : size;
    const kelvra::FieldKernel kernel(square_field(size));
    kelvra::FieldEvaluator direct(kernel.modes(), size, 0);
    std::vector<double> row(size + 1);
    for (auto _ : state) {
        for (int r = 1; r <= rows; ++r) direct.compute(r, 1, size, row.data());
        benchmark::DoNotOptimize(row.data());
    }
    report(state, static_cast<double>(rows) * size, kernel.modes().count);
}

// The whole field through the stepping protocol, 100 cells per call as the front end steps.
void Fast(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    kelvra::FieldKernel kernel(square_field(size));
    for (auto _ : state) {
        int row = 1, col = 1;
        while (kernel.run_stepwise(row, col, 100) != 1) {
            if (++col > size) row += 1, col = 1;
        }
        benchmark::DoNotOptimize(kernel.matrix()[size][size]);
    }
    report(state, static_cast<double>(size) * size, kernel.modes().count);
}

// Construction: seeding, matrix, mode draws and the column tables.
void Initialize(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const kelvra::KernelSlot slot = square_field(size);
    for (auto _ : state) {
        kelvra::FieldKernel kernel(slot);
        benchmark::DoNotOptimize(kernel.matrix());
    }
}

BENCHMARK(Direct)->Arg(100)->Arg(500)->Arg(999)->Unit(benchmark::kMillisecond);
BENCHMARK(Fast)->Arg(100)->Arg(500)->Arg(999)->Unit(benchmark::kMillisecond);
BENCHMARK(Initialize)->Arg(100)->Arg(500)->Arg(999)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
