#pragma once

#include <cstdint>

#include "FieldModes.h"

// The field as the generation algorithm states it, evaluated cell by cell with the direct
// formula: the reference that the fast evaluation is checked against.
kelvra::FieldModes oracle_modes(std::int32_t initvalue, int nrows, int ncols, double corrx,
                                double corry);

double oracle_cell(const kelvra::FieldModes& modes, int row, int col);
