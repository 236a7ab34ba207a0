#include "FinalValues.h"

#include <cmath>

namespace kelvra {

bool apply_final_values(RowTable rows, int nrows, int ncols, double avg, double stddev,
                        int disttype) {
    for (int r = 1; r <= nrows; ++r) {
        double* cells = rows[r];
        for (int c = 1; c <= ncols; ++c) {
            double value = cells[c] * stddev + avg;
            if (disttype != 0) value = std::pow(10.0, value);
            if (!std::isfinite(value)) return false;
            cells[c] = value;
        }
    }
    return true;
}

}  // namespace kelvra
