#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "PaletteFile.h"

// The folder of the user's palette files, remembered in the user's settings as "PalettePath"
// (empty when never set).
QString GetPalettePath();
// Remembers the folder of `fileName` (the part before its last separator).
void SetPalettePath(const QString& fileName);

// The palette files ("*.vlp") in `folder`, as full names in the order the directory lists them.
// Only regular files are taken, read-only ones included; hidden files and folders are skipped.
// An empty folder means the root folder.
QStringList FindPaletteFiles(const QString& folder);

// A palette file of the palette folder that holds a whole palette.
struct FoundPalette {
    QString fileName;
    FilePalette palette;
};

// The palettes of the remembered palette folder with `colourCount` colours each, in the order of
// FindPaletteFiles; files that cannot be read or hold no whole palette are left out.
std::vector<FoundPalette> ReadPaletteFolder(int colourCount);

// The folder of the palettes that come with the suite, seen from the program's folder:
// share/tolmar-tools/palettes beside the bin folder when installed, palettes/ at the top of the
// build tree otherwise. Empty when neither exists.
QString ShippedPaletteFolder(const QString& programFolder);
// The palettes of `folder` in file name order, read as ReadPaletteFolder reads the user's.
std::vector<FoundPalette> ReadShippedPalettes(const QString& folder, int colourCount);

// The file palettes offered after the built-in ones: the user's first, so that their numbers
// stay as they were before palettes came with the suite, then the suite's own.
struct OfferedPalettes {
    std::vector<FoundPalette> palettes;
    int userCount = 0;  // how many of them come from the user's palette folder
};
OfferedPalettes ReadOfferedPalettes(int colourCount, const QString& programFolder);
