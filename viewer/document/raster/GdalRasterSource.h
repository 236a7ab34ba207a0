#pragma once
#include "RasterSource.h"

// Opens `path` through GDAL as a RasterOpener does. GDAL's messages are kept off standard error
// and passed on in RasterReadError.
std::unique_ptr<RasterSource> openGdalRaster(const std::string& path);
