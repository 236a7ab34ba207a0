#include <immintrin.h>

#include "ModeSums.h"

// Only these functions use AVX2 and AVX-512 instructions; they run only where the processor
// has them. Neither target has FMA, so no multiply and add can be fused.

namespace kelvra {

// Takes each group in halves of four blocks: one register per lane holds that lane of the
// half's blocks.
[[gnu::target("avx2")]] void sum_groups_avx2(const ModeTables& tables, double* sums,
                                             std::size_t first, std::size_t end) {
    constexpr int kWidth = 4;
    const int modes = tables.modes;
    for (std::size_t group = first; group < end; ++group) {
        for (int part = 0; part < kGroupBlocks; part += kWidth) {
            __m256d sum[kBlockColumns];
#pragma GCC unroll 8
            for (int j = 0; j < kBlockColumns; ++j) sum[j] = _mm256_setzero_pd();
            const double* angle = tables.blocks + group * modes * 2 * kGroupBlocks + part;
            const double* lane = tables.lanes;
            const double* row = tables.row;
            for (int n = 0; n < modes; ++n) {
                const __m256d block_cos = _mm256_loadu_pd(angle);
                const __m256d block_sin = _mm256_loadu_pd(angle + kGroupBlocks);
                const __m256d row_cos = _mm256_broadcast_sd(row);
                const __m256d row_sin = _mm256_broadcast_sd(row + 1);
                const __m256d p = _mm256_sub_pd(_mm256_mul_pd(block_cos, row_cos),
                                                _mm256_mul_pd(block_sin, row_sin));
                const __m256d q = _mm256_add_pd(_mm256_mul_pd(block_sin, row_cos),
                                                _mm256_mul_pd(block_cos, row_sin));
#pragma GCC unroll 8
                for (int j = 0; j < kBlockColumns; ++j) {
                    const __m256d term = _mm256_sub_pd(
                        _mm256_mul_pd(p, _mm256_broadcast_sd(lane + j)),
                        _mm256_mul_pd(q, _mm256_broadcast_sd(lane + kBlockColumns + j)));
                    sum[j] = _mm256_add_pd(sum[j], term);
                }
                angle += 2 * kGroupBlocks;
                lane += 2 * kBlockColumns;
                row += 2;
            }
            double* out = sums + group * kGroupColumns + part;
#pragma GCC unroll 8
            for (int j = 0; j < kBlockColumns; ++j) {
                _mm256_storeu_pd(out + j * kGroupBlocks, sum[j]);
            }
        }
    }
}

// Takes each group whole: one register per lane holds that lane of the group's eight blocks.
[[gnu::target("avx512f")]] void sum_groups_avx512(const ModeTables& tables, double* sums,
                                                  std::size_t first, std::size_t end) {
    static_assert(kGroupBlocks == 8);
    const int modes = tables.modes;
    for (std::size_t group = first; group < end; ++group) {
        __m512d sum[kBlockColumns];
#pragma GCC unroll 8
        for (int j = 0; j < kBlockColumns; ++j) sum[j] = _mm512_setzero_pd();
        const double* angle = tables.blocks + group * modes * 2 * kGroupBlocks;
        const double* lane = tables.lanes;
        const double* row = tables.row;
        for (int n = 0; n < modes; ++n) {
            const __m512d block_cos = _mm512_loadu_pd(angle);
            const __m512d block_sin = _mm512_loadu_pd(angle + kGroupBlocks);
            const __m512d row_cos = _mm512_set1_pd(row[0]);
            const __m512d row_sin = _mm512_set1_pd(row[1]);
            const __m512d p =
                _mm512_sub_pd(_mm512_mul_pd(block_cos, row_cos), _mm512_mul_pd(block_sin, row_sin));
            const __m512d q =
                _mm512_add_pd(_mm512_mul_pd(block_sin, row_cos), _mm512_mul_pd(block_cos, row_sin));
#pragma GCC unroll 8
            for (int j = 0; j < kBlockColumns; ++j) {
                const __m512d term =
                    _mm512_sub_pd(_mm512_mul_pd(p, _mm512_set1_pd(lane[j])),
                                  _mm512_mul_pd(q, _mm512_set1_pd(lane[kBlockColumns + j])));
                sum[j] = _mm512_add_pd(sum[j], term);
            }
            angle += 2 * kGroupBlocks;
            lane += 2 * kBlockColumns;
            row += 2;
        }
        double* out = sums + group * kGroupColumns;
#pragma GCC unroll 8
        for (int j = 0; j < kBlockColumns; ++j) _mm512_storeu_pd(out + j * kGroupBlocks, sum[j]);
    }
}

}  // namespace kelvra
