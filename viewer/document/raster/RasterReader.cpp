#include "RasterReader.h"

#include "ProgramModule.h"

namespace {

RasterReaderOverride*& innermost() {
    static RasterReaderOverride* override = nullptr;
    return override;
}

// The module's opener; empty when the module cannot be loaded.
const RasterOpener& moduleOpener() {
    static const RasterOpener opener = [] {
        RasterOpener made;
        std::string error;
        using Make = void(RasterOpener&);
        if (auto* make = reinterpret_cast<Make*>(
                programModuleSymbol("vistal-gdal.so", "vistalRasterOpener", error)))
            make(made);
        return made;
    }();
    return opener;
}

}  // namespace

RasterReaderOverride::RasterReaderOverride(RasterOpener opener)
    : opener_(std::move(opener)), outer_(innermost()) {
    innermost() = this;
}

RasterReaderOverride::~RasterReaderOverride() { innermost() = outer_; }

std::unique_ptr<RasterSource> openRaster(const std::string& path) {
    if (innermost()) return innermost()->opener_ ? innermost()->opener_(path) : nullptr;
    const RasterOpener& opener = moduleOpener();
    return opener ? opener(path) : nullptr;
}
