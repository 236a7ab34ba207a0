#pragma once

#include <cstdint>
#include <ctime>

namespace kelvra {

// State of the subtractive uniform generator: table entries 1 to 55 are in use.
struct UniformState {
    double table[56] = {};
    int inext = 0;
    int inextp = 0;
};

// Second deviate of the last Box-Muller pair, waiting to be handed out.
struct GaussianStore {
    double value = 0.0;
    bool pending = false;
};

// Knuth's subtractive generator in its floating-point form. A negative seed (re)initialises
// the table from it and sets the seed to 1. Returns a value in [0, 1).
double uniform_deviate(UniformState& state, std::int32_t& seed);

// Normal deviate (mean 0, variance 1) by the polar Box-Muller transform; every second call
// returns the stored partner of the previous pair without drawing.
double gaussian_deviate(UniformState& state, GaussianStore& store, std::int32_t& seed);

// The negative seed word that initialises a generator: -initvalue, or -now (whole seconds)
// when initvalue is 0 or less, or -(rand() % 32768 + 1) when that still gives 0.
std::int32_t initial_seed(std::int32_t initvalue, std::time_t now);

}  // namespace kelvra
