#include "ModeSums.h"

namespace kelvra {

namespace {

// Two doubles: the vector width that every x86-64 processor has (SSE2). Elsewhere the compiler
// splits it into scalars; the operations on each element stay the same.
using Pair = double __attribute__((vector_size(2 * sizeof(double))));

Pair load_pair(const double* from) {
    Pair pair;
    __builtin_memcpy(&pair, from, sizeof pair);
    return pair;
}

}  // namespace

// Takes each group in parts of two blocks, so that a part's sums stay in the sixteen registers
// of the baseline instruction set.
void sum_groups_baseline(const ModeTables& tables, double* sums, std::size_t first,
                         std::size_t end) {
    constexpr int kWidth = 2;
    const int modes = tables.modes;
    for (std::size_t group = first; group < end; ++group) {
        for (int part = 0; part < kGroupBlocks; part += kWidth) {
            Pair sum[kBlockColumns] = {};
            const double* angle = tables.blocks + group * modes * 2 * kGroupBlocks + part;
            const double* lane = tables.lanes;
            const double* row = tables.row;
            for (int n = 0; n < modes; ++n) {
                const Pair block_cos = load_pair(angle);
                const Pair block_sin = load_pair(angle + kGroupBlocks);
                const double row_cos = row[0];
                const double row_sin = row[1];
                const Pair p = block_cos * row_cos - block_sin * row_sin;
                const Pair q = block_sin * row_cos + block_cos * row_sin;
#pragma GCC unroll 8
                for (int j = 0; j < kBlockColumns; ++j) {
                    sum[j] += p * lane[j] - q * lane[kBlockColumns + j];
                }
                angle += 2 * kGroupBlocks;
                lane += 2 * kBlockColumns;
                row += 2;
            }
            double* out = sums + group * kGroupColumns + part;
#pragma GCC unroll 8
            for (int j = 0; j < kBlockColumns; ++j) {
                __builtin_memcpy(out + j * kGroupBlocks, &sum[j], sizeof sum[j]);
            }
        }
    }
}

namespace {

SumPath detect_fastest() {
    __builtin_cpu_init();  // may run before the runtime's own constructors
    if (__builtin_cpu_supports("avx512f")) return SumPath::Avx512;
    return __builtin_cpu_supports("avx2") ? SumPath::Avx2 : SumPath::Baseline;
}

const SumPath fastest = detect_fastest();

}  // namespace

// Each path needs the instructions of the paths before it.
bool sum_path_available(SumPath path) { return path <= fastest; }

SumPath fastest_sum_path() { return fastest; }

GroupSummer group_summer(SumPath path) {
    if (!sum_path_available(path)) return sum_groups_baseline;
    switch (path) {
        case SumPath::Avx512:
            return sum_groups_avx512;
        case SumPath::Avx2:
            return sum_groups_avx2;
        case SumPath::Baseline:
            break;
    }
    return sum_groups_baseline;
}

}  // namespace kelvra
