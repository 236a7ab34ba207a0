#include "PalettePath.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "RegistryValues.h"

#ifndef TOLMAR_PALETTES_FROM_BINDIR
#define TOLMAR_PALETTES_FROM_BINDIR "../share/tolmar-tools/palettes"
#endif

namespace {
const QString PalettePathValue = QStringLiteral("PalettePath");

void appendReadable(std::vector<FoundPalette>& found, const QString& fileName, int colourCount) {
    std::optional<FilePalette> palette = ReadPaletteFile(fileName, colourCount);
    if (palette) found.push_back({fileName, std::move(*palette)});
}
}  // namespace

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
    for (const QString& fileName : FindPaletteFiles(GetPalettePath()))
        appendReadable(found, fileName, colourCount);
    return found;
}

QString ShippedPaletteFolder(const QString& programFolder) {
    const QDir program(programFolder);
    for (const QString& relative :
         {QStringLiteral(TOLMAR_PALETTES_FROM_BINDIR), QStringLiteral("../palettes")}) {
        const QString folder = QDir::cleanPath(program.filePath(relative));
        if (QFileInfo(folder).isDir()) return folder;
    }
    return {};
}

std::vector<FoundPalette> ReadShippedPalettes(const QString& folder, int colourCount) {
    std::vector<FoundPalette> found;
    if (folder.isEmpty()) return found;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({QStringLiteral("*.vlp")}, QDir::Files | QDir::Readable, QDir::Name))
        appendReadable(found, dir.filePath(name), colourCount);
    return found;
}

OfferedPalettes ReadOfferedPalettes(int colourCount, const QString& programFolder) {
    OfferedPalettes offered{ReadPaletteFolder(colourCount), 0};
    offered.userCount = static_cast<int>(offered.palettes.size());
    for (FoundPalette& shipped :
         ReadShippedPalettes(ShippedPaletteFolder(programFolder), colourCount))
        offered.palettes.push_back(std::move(shipped));
    return offered;
}
