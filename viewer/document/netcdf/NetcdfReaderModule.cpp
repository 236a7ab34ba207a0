// The netCDF reader as a module of its own: the grid viewer's command-line jobs load it (and
// the netCDF libraries with it) only when they meet a netCDF file.
#include "GridNetcdfLevels.h"
#include "GridNetcdfReader.h"
#include "ProgramModule.h"

// Sets `levels` to a reader of netCDF levels with a file cache of its own.
TOLMAR_MODULE_ENTRY void vistalNetcdfLevels(NetcdfLevelReader& levels) {
    auto reader = std::make_shared<netcdfReader>();
    levels = [reader](const QString& entry, int level, GridHeader& header, int& levelCount,
                      std::unique_ptr<GridRows>& rows) {
        reader->read(entry, level, header, levelCount, rows);
    };
}
