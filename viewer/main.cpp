// The grid viewer: a window over the grid files of the command line, or a command-line job.
// --info, --convert and --help run on the grid formats alone; the window and --render live in
// the module vistal-window.so, netCDF files are read by vistal-netcdf.so and other rasters by
// vistal-gdal.so, so that a job loads neither GUI, netCDF nor GDAL libraries unless it needs
// them.
#include <string>

#include "CommandLineJobs.h"
#include "GridNetcdfReader.h"
#include "ProgramModule.h"
#include "ProgramStart.h"
#include "StandardOutput.h"
#include "VistalHelp.h"

namespace {

int runWindowModule(const char* entry, int argc, char* argv[]) {
    return runProgramModule("vistal", "vistal-window.so", entry, argc, argv);
}

// Reads netCDF files through the netCDF module, loaded when the first one is met.
NetcdfLevelReader netcdfModuleReader() {
    return
        [reader = NetcdfLevelReader()](const QString& entry, int level, GridHeader& header,
                                       int& levelCount, std::unique_ptr<GridRows>& rows) mutable {
            if (!reader) {
                std::string error;
                using Make = void(NetcdfLevelReader&);
                auto* make = reinterpret_cast<Make*>(
                    programModuleSymbol("vistal-netcdf.so", "vistalNetcdfLevels", error));
                if (!make) throw NetcdfReadError(0, "the netCDF reader cannot be loaded: " + error);
                make(reader);
            }
            reader(entry, level, header, levelCount, rows);
        };
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const auto done = startProgram("vistal", vistalVersionText, argc, argv)) return *done;
    const auto job = commandLineJob(argc, argv);
    if (!job) return runWindowModule("vistalWindowMain", argc, argv);
    if (*job == CommandLineJob::Render)
        return tolmar::finishStandardOutput("vistal",
                                            runWindowModule("vistalRenderMain", argc, argv));
    return runCommandLineJob(*job, argc, argv, netcdfModuleReader());
}
