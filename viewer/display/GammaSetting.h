#pragma once
#include <QString>

#include "Palettes.h"

// The gamma edit: the text the edit ends up showing and the up-down position it sets.
struct GammaEntry {
    QString text;            // the typed text, or "1" / "100" when it was out of range
    int position = 50;       // the up-down position, 1..100
    bool corrected = false;  // the edit's text must be replaced by `text`
};

// Reads a typed gamma text: an integer below 1 becomes "1", above 100 becomes "100".
// Throws ConversionError (common's message) when the text is not an integer; the caller then
// leaves the palette and the up-down as they were.
GammaEntry ReadGammaText(const QString& text);

// The gamma exponent of an up-down position: 50 gives 1.0, 1..100 give 0.02..2.0.
inline double GammaOfPosition(int position) { return position * 0.02; }

// The gamma controls are enabled for the built-in palettes and the first file palette.
inline bool GammaControlsEnabled(int paletteIndex) { return paletteIndex <= BuiltInPaletteCount; }
