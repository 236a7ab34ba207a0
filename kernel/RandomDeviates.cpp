#include "RandomDeviates.h"

#include <cmath>
#include <cstdlib>

namespace kelvra {
namespace {

constexpr double kBig = 4000000.0;
constexpr double kSeed = 1618033.0;
constexpr double kFactor = 2.5e-07;  // 1 / kBig

void initialise(UniformState& state, std::int32_t seed) {
    double* table = state.table;
    const double d = kSeed + seed;
    double mj;
    if (d >= 0) {
        mj = d - std::floor(d * kFactor) * kBig;
    } else {
        const double a = std::fabs(d);
        mj = (kBig - a) + std::floor(a * kFactor) * kBig;
    }
    table[55] = mj;
    double mk = 1.0;
    for (int i = 1; i <= 54; ++i) {
        const int ii = (21 * i) % 55;
        table[ii] = mk;
        mk = mj - mk;
        if (mk < 0) mk += kBig;
        mj = table[ii];
    }
    for (int pass = 0; pass < 4; ++pass) {
        for (int i = 1; i <= 55; ++i) {
            table[i] -= table[1 + (i + 30) % 55];
            if (table[i] < 0) table[i] += kBig;
        }
    }
    state.inext = 0;
    state.inextp = 31;
}

}  // namespace

double uniform_deviate(UniformState& state, std::int32_t& seed) {
    if (seed < 0) {
        initialise(state, seed);
        seed = 1;
    }
    if (++state.inext == 56) state.inext = 1;
    if (++state.inextp == 56) state.inextp = 1;
    double mj = state.table[state.inext] - state.table[state.inextp];
    if (mj < 0) mj += kBig;
    state.table[state.inext] = mj;
    return mj * kFactor;
}

double gaussian_deviate(UniformState& state, GaussianStore& store, std::int32_t& seed) {
    if (store.pending) {
        store.pending = false;
        return store.value;
    }
    double p, q, rsq;
    do {
        p = 2.0 * uniform_deviate(state, seed) - 1.0;
        q = 2.0 * uniform_deviate(state, seed) - 1.0;
        rsq = p * p + q * q;
    } while (rsq >= 1.0 || rsq == 0.0);
    const double factor = std::sqrt(-2.0 * std::log(rsq) / rsq);
    store.value = p * factor;
    store.pending = true;
    return q * factor;
}

std::int32_t initial_seed(std::int32_t initvalue, std::time_t now) {
    std::int32_t start = initvalue;
    // Keeping 31 bits leaves the clock seed positive beyond 2038, so the seed word stays
    // negative and the generator is always initialised.
    if (start <= 0) start = static_cast<std::int32_t>(now & 0x7fffffff);
    std::int32_t seed = -start;
    if (seed == 0) seed = -(std::rand() % 32768 + 1);
    return seed;
}

}  // namespace kelvra
