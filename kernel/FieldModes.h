#pragma once

#include <vector>

namespace kelvra {

// The N spectral modes of a field and the coordinates they are evaluated at. Arrays are
// 1-based (index 0 unused), as the generator draws and numbers them.
struct FieldModes {
    int count = 0;              // N
    std::vector<double> x;      // normalised column coordinates X[1..N]
    std::vector<double> y;      // normalised row coordinates Y[1..N]
    std::vector<double> k;      // wave numbers K[1..N]
    std::vector<double> theta;  // directions theta[1..N]
    std::vector<double> phi;    // phases phi[1..N]
    double fx = 1.0;            // 1 / corrx
    double fy = 1.0;            // 1 / corry
    double amplitude = 0.0;     // sqrt(2 / N)
};

}  // namespace kelvra
