#pragma once

#include <cstddef>

namespace kelvra {

// The inner loops of the field evaluation (see FieldEvaluator): the sums over all modes of
// the cells of whole groups of columns, from the angle-addition tables.
//
// A block is eight neighbouring columns, a group eight neighbouring blocks (64 columns). For
// each mode n, block k of a group and lane j of a block:
//   P = cA * cR - sA * sR,   Q = sA * cR + cA * sR,   sum += P * cD(j) - Q * sD(j),
// with A the block's column angle, D(j) the lane's and R the row's. Every path performs these
// IEEE operations in this order, modes in ascending order, without contraction into fused
// multiply-adds, so that every path gives the same bits.

inline constexpr int kBlockColumns = 8;
inline constexpr int kGroupBlocks = 8;
inline constexpr int kGroupColumns = kBlockColumns * kGroupBlocks;

struct ModeTables {
    // [(group * modes + n) * 16 + k]: cos A of block k of the group, and its sin at + 8.
    const double* blocks;
    // [n * 16 + j]: cos D(j), and its sin at + 8.
    const double* lanes;
    // [n * 2]: cos R, and its sin at + 1.
    const double* row;
    int modes;
};

// Index of a column's sum (0-based column) among the sums of its group's run:
// [group * 64 + lane * 8 + block].
inline std::size_t sum_index(std::size_t column) {
    return column / kGroupColumns * kGroupColumns + column % kBlockColumns * kGroupBlocks +
           column / kBlockColumns % kGroupBlocks;
}

// Writes the sums of groups first..end-1 to their places in `sums`.
using GroupSummer = void (*)(const ModeTables& tables, double* sums, std::size_t first,
                             std::size_t end);

void sum_groups_baseline(const ModeTables& tables, double* sums, std::size_t first,
                         std::size_t end);
// These need a processor with AVX2 and with AVX-512 (its foundation) respectively.
void sum_groups_avx2(const ModeTables& tables, double* sums, std::size_t first, std::size_t end);
void sum_groups_avx512(const ModeTables& tables, double* sums, std::size_t first, std::size_t end);

// In the order of the instructions they need: each path's processors run the paths before it.
enum class SumPath { Baseline, Avx2, Avx512 };

bool sum_path_available(SumPath path);
// The fastest path this processor runs, chosen once when the library is loaded.
SumPath fastest_sum_path();
// The summer of `path`, or the baseline one where the processor cannot run `path`.
GroupSummer group_summer(SumPath path);

}  // namespace kelvra
