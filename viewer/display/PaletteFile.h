#pragma once
#include <QByteArray>
#include <QString>
#include <optional>
#include <string_view>
#include <vector>

#include "Colour.h"

// A palette saved by the user: the name shown in the palette combo box and its colours, lowest
// class first.
struct FilePalette {
    QString name;
    std::vector<Colour> colours;
};

// The text of a palette file: the name, one blank, then each colour in upper-case hexadecimal
// without leading zeros, each followed by one blank, and a line end.
QByteArray PaletteFileText(const QString& name, const std::vector<Colour>& colours);

// Reads a palette file's text. The last `colourCount` words are the colours and everything
// before them is the name, so a name with blanks reads back as it was saved. A text with fewer
// colour words, or a colour word that is not hexadecimal, is not a palette.
std::optional<FilePalette> ReadPaletteFileText(std::string_view text, int colourCount);

// Reads the palette file at `path`; nullopt when it cannot be read or is not a palette.
std::optional<FilePalette> ReadPaletteFile(const QString& path, int colourCount);

// Writes the palette file at `path` in one piece (a temporary file renamed over the target;
// see OutputFile). Returns the reason when it could not be written, an empty text on success.
QString WritePaletteFile(const QString& path, const QString& name,
                         const std::vector<Colour>& colours);
