#pragma once

#include "ResultMatrix.h"

namespace kelvra {

// Turns the standardised cells of rows 1..nrows, columns 1..ncols into the values a grid file
// holds, in place: v * stddev + avg, and 10 to the power of that when disttype is not 0.
// Returns false, and stops, at the first result that is no finite number: an overflow of a
// large mean or deviation, or a field that was no number already.
bool apply_final_values(RowTable rows, int nrows, int ncols, double avg, double stddev,
                        int disttype);

}  // namespace kelvra
