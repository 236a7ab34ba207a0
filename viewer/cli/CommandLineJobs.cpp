#include "CommandLineJobs.h"

#include <QStringList>
#include <QTextStream>
#include <cstdio>
#include <cstring>

#include "ConvertCommand.h"
#include "InfoCommand.h"

namespace {

const char* const usage =
    "usage: vistal [GRID ...] [--screenshot FILE.png]\n"
    "       vistal --info FILE [--level N] [--values]\n"
    "       vistal --convert IN OUT [--to ascii|single|double] [--level N] [--nodata V]\n"
    "       vistal --render FILE OUT.png [--size WxH] [--palette N] [--level N]\n"
    "                       [--gradients | --flow XGRID YGRID]\n"
    "\n"
    "Without a job option the window opens with the GRID files in its list and\n"
    "shows the first; --screenshot writes a picture of that window and exits.\n";

}  // namespace

std::optional<CommandLineJob> commandLineJob(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--info") == 0) return CommandLineJob::Info;
        if (std::strcmp(argv[i], "--convert") == 0) return CommandLineJob::Convert;
        if (std::strcmp(argv[i], "--render") == 0) return CommandLineJob::Render;
        // Only options start with "--"; every other argument is a grid file.
        if (std::strcmp(argv[i], "--help") == 0) return CommandLineJob::Help;
    }
    return std::nullopt;
}

int runCommandLineJob(CommandLineJob job, int argc, char* argv[], const NetcdfLevelReader& netcdf) {
    if (job == CommandLineJob::Help) {
        std::fputs(usage, stdout);
        return 0;
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return job == CommandLineJob::Info ? runInfoCommand(arguments, out, err, netcdf)
                                       : runConvertCommand(arguments, out, err, netcdf);
}
