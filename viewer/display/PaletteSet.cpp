#include "PaletteSet.h"

#include <algorithm>
#include <utility>

void PaletteSet::BuildPalettes(double gamma) {
    Palettes.assign(BuiltInPaletteCount, {});
    for (int i = 0; i <= ColorStepCount; ++i) {
        for (int p = 0; p < BuiltInPaletteCount; ++p) {
            const BuiltInPalette& stops = BuiltInPalettes[p];
            Palettes[p].push_back(GetPaletteColor(i, stops.start, stops.middle, stops.end, gamma));
        }
    }
}

bool PaletteSet::hasFullPalette(int index) const {
    return index >= 0 && index < static_cast<int>(Palettes.size()) &&
           static_cast<int>(Palettes[index].size()) > ColorStepCount;
}

void PaletteSet::ChangeActPaletteGamma(int index, double gamma) {
    if (!hasFullPalette(index)) return;
    std::vector<Colour>& palette = Palettes[index];
    const int half = ColorStepCount / 2;
    // The stops are read anew in every step while the palette is overwritten; the steps at
    // the stops reproduce them exactly, so this equals generating from the original stops.
    for (int i = 0; i <= ColorStepCount; ++i)
        palette[i] = GetPaletteColor(i, palette[0], palette[half], palette[ColorStepCount], gamma);
}

void PaletteSet::InvertPalette(int index) {
    if (!hasFullPalette(index)) return;
    std::vector<Colour>& palette = Palettes[index];
    for (int i = 0; i < ColorStepCount / 2; ++i) std::swap(palette[i], palette[ColorStepCount - i]);
}

void ApplyPaletteToLegend(const PaletteSet& palettes, int index,
                          std::vector<Colour>& legendColours) {
    if (index < 0 || index >= static_cast<int>(palettes.Palettes.size())) return;
    const std::vector<Colour>& palette = palettes.Palettes[index];
    const std::size_t count = std::min(palette.size(), legendColours.size());
    std::copy_n(palette.begin(), count, legendColours.begin());
}

void ApplyInversionToLegend(const std::vector<Colour>& palette,
                            std::vector<Colour>& legendColours) {
    const int count = static_cast<int>(std::min(palette.size(), legendColours.size()));
    if (count <= ColorStepCount) return;
    for (int i = 0; i < ColorStepCount / 2; ++i) {
        legendColours[i] = palette[i];
        legendColours[ColorStepCount - i] = palette[ColorStepCount - i];
    }
}
