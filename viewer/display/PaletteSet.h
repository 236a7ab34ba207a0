#pragma once
#include <vector>

#include "Colour.h"
#include "Palettes.h"

// The viewer's palettes: the built-in ones first, then the palettes read from palette files,
// each a list of ColorStepCount + 1 colours. Gamma and inversion change a palette in place.
struct PaletteSet {
    std::vector<std::vector<Colour>> Palettes;

    // Drops every palette and builds the built-in ones with `gamma`. File palettes are
    // appended to `Palettes` afterwards, in the order in which they are found.
    void BuildPalettes(double gamma);

    // Regenerates palette `index` from its own colours at 0, ColorStepCount / 2 and
    // ColorStepCount with `gamma`, so the result depends only on those stops and the gamma.
    // Nothing happens for an index out of range or a palette of fewer colours.
    void ChangeActPaletteGamma(int index, double gamma);

    // Swaps colours i and ColorStepCount - i for i below ColorStepCount / 2; twice restores.
    void InvertPalette(int index);

    bool hasFullPalette(int index) const;
};

// Gives legend box k the colour k of palette `index` (for every colour the palette and the
// legend both have). Nothing happens for an index out of range.
void ApplyPaletteToLegend(const PaletteSet& palettes, int index,
                          std::vector<Colour>& legendColours);

// After an inversion: legend boxes i and ColorStepCount - i take the palette's colours, the
// middle box keeps its colour.
void ApplyInversionToLegend(const std::vector<Colour>& palette, std::vector<Colour>& legendColours);
