#include "GridText.h"

#include <charconv>

namespace kelvra {
namespace {

constexpr const char* kLineEnd = "\r\n";

void append_line(std::string& text, const char* key, double value) {
    text += key;
    append_number(text, value);
    text += kLineEnd;
}

}  // namespace

void append_number(std::string& text, double value) {
    // std::to_chars with the general format and a precision gives exactly what printf's %.8g
    // gives in the C locale, without depending on the host program's locale.
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 8);
    text.append(buffer, result.ptr);
}

std::string grid_header_text(int ncols, int nrows, double xll, double yll, double cs,
                             double nodata) {
    std::string text;
    text += "ncols        " + std::to_string(ncols) + kLineEnd;
    text += "nrows        " + std::to_string(nrows) + kLineEnd;
    append_line(text, "xll          ", xll);
    append_line(text, "yll          ", yll);
    append_line(text, "cs           ", cs);
    append_line(text, "nodata_value ", nodata);
    return text;
}

void append_grid_row(std::string& text, const double* values, int count) {
    for (int i = 0; i < count; ++i) {
        append_number(text, values[i]);
        text += '\t';
    }
    text += kLineEnd;
}

}  // namespace kelvra
