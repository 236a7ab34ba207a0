#pragma once
#include <cstdint>

// Vectors for code written once with GCC's vector extension and compiled for two lanes, which
// every processor has, and for four, which a function compiled for AVX2 runs with.
using Doubles2 = double __attribute__((vector_size(16)));
using Longs2 = std::int64_t __attribute__((vector_size(16)));
using Ints2 = std::int32_t __attribute__((vector_size(8)));
using Doubles4 = double __attribute__((vector_size(32)));
using Longs4 = std::int64_t __attribute__((vector_size(32)));
using Ints4 = std::int32_t __attribute__((vector_size(16)));

// Whether this processor runs AVX2 instructions; found once.
bool ProcessorHasAvx2();
