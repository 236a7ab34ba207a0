#pragma once

#include <string>

namespace kelvra {

// Text of the kernel's ASCII grid files: six header lines with 13-character keys, then one
// line per row with every value followed by a tab. Numbers appear as printf's "%.8g" writes
// them, whatever the process locale; every line ends with CR LF.

// Appends value in "%.8g" form.
void append_number(std::string& text, double value);

// The six header lines: ncols, nrows, xll, yll, cs, nodata_value.
std::string grid_header_text(int ncols, int nrows, double xll, double yll, double cs,
                             double nodata);

// Appends one data line holding values[0..count-1].
void append_grid_row(std::string& text, const double* values, int count);

}  // namespace kelvra
