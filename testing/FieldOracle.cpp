#include "FieldOracle.h"

#include <algorithm>
#include <cmath>

#include "RandomDeviates.h"

kelvra::FieldModes oracle_modes(std::int32_t initvalue, int nrows, int ncols, double corrx,
                                double corry) {
    kelvra::FieldModes modes;
    const int n = std::max({nrows, ncols, 500});
    modes.count = n;
    modes.fx = 1.0 / corrx;
    modes.fy = 1.0 / corry;
    modes.amplitude = std::sqrt(2.0 / n);
    kelvra::UniformState uniform;
    kelvra::GaussianStore gaussian;
    std::int32_t seed = -initvalue;
    kelvra::uniform_deviate(uniform, seed);
    for (auto* values : {&modes.x, &modes.y, &modes.k, &modes.theta, &modes.phi}) {
        values->assign(n + 1, 0.0);
    }
    for (int i = 1; i <= n; ++i) modes.x[i] = modes.y[i] = (i - 1.0) / (n - 1.0);
    for (int i = 1; i <= n; ++i) {
        modes.theta[i] = kelvra::uniform_deviate(uniform, seed) * 6.28318530718;
        modes.phi[i] = kelvra::uniform_deviate(uniform, seed) * 6.28318530718;
        modes.k[i] = kelvra::gaussian_deviate(uniform, gaussian, seed);
    }
    return modes;
}

double oracle_cell(const kelvra::FieldModes& modes, int row, int col) {
    double sum = 0.0;
    for (int n = 1; n <= modes.count; ++n) {
        sum += std::cos(modes.k[n] * (std::sin(modes.theta[n]) * modes.x[col] * modes.fx +
                                      std::cos(modes.theta[n]) * modes.y[row] * modes.fy) +
                        modes.phi[n]);
    }
    return modes.amplitude * sum;
}
