// The raster reader as a module of its own: the grid viewer loads it (and GDAL with it) only
// when it meets a file none of its own formats recognises.
#include "GdalRasterSource.h"
#include "ProgramModule.h"

// Sets `opener` to GDAL's raster opener.
TOLMAR_MODULE_ENTRY void vistalRasterOpener(RasterOpener& opener) { opener = openGdalRaster; }
