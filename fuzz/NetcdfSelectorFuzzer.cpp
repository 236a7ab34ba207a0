// The netCDF selector of a list entry, "path<variable>level": the reader's split and the
// loader's path must agree on every text, and the parts must come from the text itself.
#include <cstdint>
#include <cstdlib>

#include "FuzzSeeds.h"
#include "GridRecognition.h"
#include "NetcdfEntry.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    writeSeedsWhenAsked(*argc, *argv, [] {
        return FuzzSeeds{
            {"selector", "/data/tsoil.nc<tsoil>12"},
            {"plain", "/data/plain.asc"},
            {"leading", "<tsoil>12"},
            {"reversed", "/a>b<c"},
            {"negative", "C:\\grids\\t.nc<t>-3"},
            {"long-level", "f.nc<v>2147483648"},
            {"signed-level", "f.nc<v>+7 "},
            {"empty-variable", "f.nc<>"},
            {"nested", "a<b<c>>1>2"},
            {"unicode", "/d\xc3\xa4ten/\xe2\x82\xac.nc<w\xc3\xa4rme>1"},
        };
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString entry = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const NetcdfEntry parts = splitNetcdfEntry(entry);
    if (parts.path != entryPath(entry)) std::abort();
    if (parts.hasSelector) {
        const QString selector = parts.path + QLatin1Char('<') + parts.variable + QLatin1Char('>');
        if (parts.path.isEmpty() || parts.path.contains(QLatin1Char('<')) ||
            !entry.startsWith(selector))
            std::abort();
    } else if (parts.path != entry || parts.level != 0 || !parts.variable.isEmpty()) {
        std::abort();
    }
    return 0;
}
