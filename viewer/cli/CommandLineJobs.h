#pragma once
#include <optional>

#include "GridNetcdfLevels.h"

// The viewer's jobs without a window: --info, --convert, --render, --help.
enum class CommandLineJob { Info, Convert, Render, Help };

// The job the arguments ask for, if any (the first argument starting with "--"
// that names a job; --screenshot belongs to the window).
std::optional<CommandLineJob> commandLineJob(int argc, char* argv[]);

// Runs --info, --convert or --help with the program's arguments, netCDF files read through
// `netcdf`; no application object, no GUI library. (--render paints: runRenderJob.)
int runCommandLineJob(CommandLineJob job, int argc, char* argv[], const NetcdfLevelReader& netcdf);
