#include "PalettePath.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "RegistryValues.h"

namespace {
const QString PalettePathValue = QStringLiteral("PalettePath");
}

QString GetPalettePath() { return RegistryValues::readUserString(PalettePathValue); }

void SetPalettePath(const QString& fileName) {
    const qsizetype separator = QDir::fromNativeSeparators(fileName).lastIndexOf(QLatin1Char('/'));
    RegistryValues::writeUserString(PalettePathValue,
                                    separator < 0 ? QString() : fileName.left(separator));
}

QStringList FindPaletteFiles(const QString& folder) {
    const QString searched = folder.isEmpty() ? QDir::rootPath() : folder;
    QStringList names;
    // Unsorted: the palettes are offered in the order of the directory listing.
    QDirIterator entries(searched, {QStringLiteral("*.vlp")}, QDir::Files | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        if (entry.isHidden() || !entry.isFile()) continue;
        names << folder + QLatin1Char('/') + entry.fileName();
    }
    return names;
}

std::vector<FoundPalette> ReadPaletteFolder(int colourCount) {
    std::vector<FoundPalette> found;
    for (const QString& fileName : FindPaletteFiles(GetPalettePath())) {
        std::optional<FilePalette> palette = ReadPaletteFile(fileName, colourCount);
        if (palette) found.push_back({fileName, std::move(*palette)});
    }
    return found;
}
