// LoadGrid over a file of the fuzzed bytes: recognition of the ASCII and binary formats,
// their headers, the plausibility question (answered Yes), the checks before allocating and
// the bodies. netCDF files are refused by the level reader, as without the netCDF library:
// that library itself is not fuzzed here.
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "FuzzSeeds.h"
#include "LoadGrid.h"

namespace {

QString gridFile() {
    static QTemporaryDir folder;
    if (!folder.isValid()) std::abort();
    return folder.filePath(QStringLiteral("grid"));
}

void refuseNetcdf(const QString&, int, GridHeader&, int&, std::unique_ptr<GridRows>&) {
    throw NetcdfReadError(0, "netCDF files are not read while fuzzing");
}

// What a successful load promises the window.
void checkLoaded(GridDocument& doc, const LoadResult& result) {
    if (doc.Values == nullptr || doc.LevelCount < 1 || result.maxLevel != doc.LevelCount - 1)
        std::abort();
    if (doc.Values->rowCount() != doc.header.rowCount() ||
        doc.Values->columnCount() != doc.header.columnCount())
        std::abort();
    if (doc.statistics.CellCount > double(doc.Values->cellCount())) std::abort();
    if (doc.IsStack) {
        if (doc.Levels.size() != std::size_t(doc.LevelCount)) std::abort();
        doc.showLevel(doc.LevelCount - 1);
        doc.showLevel(0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    writeSeedsWhenAsked(*argc, *argv, [] {
        FuzzSeeds seeds = asciiGridSeeds();
        for (FuzzSeed& seed : binaryGridSeeds()) seeds.push_back(std::move(seed));
        for (FuzzSeed& seed : sampleGridSeeds()) seeds.push_back(std::move(seed));
        seeds.push_back({"netcdf-signature", QByteArray("CDF\x01\0\0\0\0", 8)});
        seeds.push_back({"unrecognised", "grid"});
        return seeds;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString fileName = gridFile();
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            std::abort();
    }
    LoadCallbacks callbacks;
    callbacks.askYesNo = [](const QString&, const QString&) { return true; };
    callbacks.progress = [](int percent) {
        if (percent < 1 || percent > 99) std::abort();
    };
    GridDocument doc;
    try {
        const LoadResult result =
            LoadGrid(doc, fileName, NetcdfLevelReader(refuseNetcdf), callbacks);
        checkLoaded(doc, result);
    } catch (const GridFormatError&) {
        if (doc.Values != nullptr || doc.LevelCount != 0) std::abort();
    }
    return 0;
}
