// Times the evaluation of Kelvra's random fields in cell-modes per second (one cell-mode is one
// cosine term of one cell's sum): the direct formula against the angle-addition tables, on the
// baseline path that every x86-64 processor runs, on the AVX2 path and on the fastest path of
// this processor, and the whole field through the C interface.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "FieldEvaluator.h"
#include "FieldKernel.h"
#include "KernelSlot.h"
#include "kelvra.h"

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
void Stepped(benchmark::State& state, kelvra::SumPath path) {
    const int size = static_cast<int>(state.range(0));
    kelvra::FieldKernel kernel(square_field(size), kelvra::FieldEvaluator::kDefaultTableBudget,
                               path);
    for (auto _ : state) {
        int row = 1, col = 1;
        while (kernel.run_stepwise(row, col, 100) != 1) {
            if (++col > size) row += 1, col = 1;
        }
        benchmark::DoNotOptimize(kernel.matrix()[size][size]);
    }
    report(state, static_cast<double>(size) * size, kernel.modes().count);
}

void Fast(benchmark::State& state) { Stepped(state, kelvra::fastest_sum_path()); }
void Baseline(benchmark::State& state) { Stepped(state, kelvra::SumPath::Baseline); }
void Avx2(benchmark::State& state) {
    if (!kelvra::sum_path_available(kelvra::SumPath::Avx2)) return state.SkipWithError("no AVX2");
    Stepped(state, kelvra::SumPath::Avx2);
}

// Through the library's C interface, stepping as Sorvek does: 100 cells per call, the cursor
// moved on by one cell between calls. Setting up and releasing the slot are not timed.
void Interface(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    create_kernel();
    for (auto _ : state) {
        state.PauseTiming();
        set_filename(0, "bench.asc");
        set_nrows(0, size);
        set_ncols(0, size);
        set_cs(0, 100.0);
        set_nodata(0, -9999.0);
        set_avg(0, 0.0);
        set_stddev(0, 1.0);
        set_corrx(0, 0.01);
        set_corry(0, 0.01);
        set_initvalue(0, 4711);
        set_disttype(0, 0);
        int nrows = 0, ncols = 0;
        double** matrix = initialize_kernel(0, &nrows, &ncols);
        state.ResumeTiming();
        int row = 1, col = 1;
        while (run_kernel_stepwise(0, &row, &col, 100) != 1) {
            if (++col > ncols) row += 1, col = 1;
        }
        benchmark::DoNotOptimize(matrix[nrows][ncols]);
        state.PauseTiming();
        shutdown_kernel(0, 2);
        state.ResumeTiming();
    }
    destroy_kernel();
    report(state, static_cast<double>(size) * size, std::max(size, 500));
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
BENCHMARK(Baseline)->Arg(999)->Unit(benchmark::kMillisecond);
BENCHMARK(Avx2)->Arg(999)->Unit(benchmark::kMillisecond);
BENCHMARK(Interface)->Arg(999)->Unit(benchmark::kMillisecond);
BENCHMARK(Initialize)->Arg(100)->Arg(500)->Arg(999)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
