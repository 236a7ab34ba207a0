// The band selector of a raster's list entry, "path<band>N": the split must agree with the
// loader's path, give a band from 1, and refuse every other selector with a format error.
#include <cstdint>
#include <cstdlib>

#include "FuzzSeeds.h"
#include "GridFormatError.h"
#include "GridRecognition.h"
#include "RasterEntry.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    writeSeedsWhenAsked(*argc, *argv, [] {
        return FuzzSeeds{
            {"selector", "/data/dem.tif<band>2"},
            {"plain", "/data/dem.tif"},
            {"leading", "<band>2"},
            {"reversed", "/a>b<c"},
            {"zero", "dem.tif<band>0"},
            {"negative", "dem.tif<band>-3"},
            {"long-band", "dem.tif<band>2147483648"},
            {"trailing", "dem.tif<band>2 "},
            {"other", "dem.tif<var>2"},
            {"nested", "a<band<c>>1>2"},
            {"unicode", "/d\xc3\xa4ten/\xe2\x82\xac.tif<band>\xd9\xa3"},
        };
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString entry = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    RasterEntry parts;
    try {
        parts = splitRasterEntry(entry);
    } catch (const GridFormatError& error) {
        if (error.kind() != GridFormatError::Kind::Format || !error.text().contains(entry))
            std::abort();
        return 0;
    }
    if (parts.path != entryPath(entry) || parts.band < 1) std::abort();
    if (parts.path != entry) {
        const QString band = entry.mid(parts.path.size() + 6);
        if (!entry.startsWith(parts.path + QStringLiteral("<band>")) ||
            band.toInt(nullptr, 10) != parts.band)
            std::abort();
    } else if (parts.band != 1) {
        std::abort();
    }
    return 0;
}
