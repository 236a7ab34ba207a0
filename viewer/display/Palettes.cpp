#include "Palettes.h"

#include <cmath>

const std::array<BuiltInPalette, BuiltInPaletteCount> BuiltInPalettes = {{
    {"1 Default blue-white-red", Colour(0xFF0000), Colour(0xFFFFFF), Colour(0x0000FF)},
    {"2 Altitudes (green-brown-ice)", Colour(0x00C000), Colour(0x004080), Colour(0xDDC855)},
    {"3 Evaporation (yellow-red)", Colour(0x00D000), Colour(0x00FFFF), Colour(0x0000FF)},
    {"4 Black-gray-white", Colour(0x000000), Colour(0x808080), Colour(0xFFFFFF)},
    {"5 Brown-white-ice", Colour(0x000080), Colour(0xFFFFFF), Colour(0x808000)},
    {"6 Blue-yellow-red", Colour(0xFF0000), Colour(0x00D0FF), Colour(0x0000FF)},
}};

namespace {

int blendChannel(int to, int from, double t) { return static_cast<int>(to * t + from * (1 - t)); }

}  // namespace

Colour GetPaletteColor(int step, Colour start, Colour middle, Colour end, double gamma,
                       int stepCount) {
    const int half = stepCount / 2;
    const double halfSteps = stepCount * 0.5;
    double t;
    Colour from;
    Colour to;
    if (step < half) {
        t = std::pow(step / halfSteps, gamma);
        from = start;
        to = middle;
    } else {
        t = std::pow((step - halfSteps) / halfSteps, 1 / gamma);
        from = middle;
        to = end;
    }
    if (step == stepCount) return end;
    return Colour::fromRgb(blendChannel(to.red(), from.red(), t),
                           blendChannel(to.green(), from.green(), t),
                           blendChannel(to.blue(), from.blue(), t));
}
