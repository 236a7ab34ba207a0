#pragma once
#include "RasterSource.h"

// The opener the raster format asks about files no other format recognises: that of the
// innermost live RasterReaderOverride, else that of the raster module (vistal-gdal.so), which
// is loaded when first asked, so that jobs that meet no such file never load GDAL. Where the
// module cannot be loaded, no file is a raster.
std::unique_ptr<RasterSource> openRaster(const std::string& path);

// Makes `opener` the raster reader for as long as it lives (tests read rasters without the
// module this way).
class RasterReaderOverride {
public:
    explicit RasterReaderOverride(RasterOpener opener);
    ~RasterReaderOverride();
    RasterReaderOverride(const RasterReaderOverride&) = delete;
    RasterReaderOverride& operator=(const RasterReaderOverride&) = delete;

private:
    friend std::unique_ptr<RasterSource> openRaster(const std::string& path);
    RasterOpener opener_;
    RasterReaderOverride* outer_;
};
