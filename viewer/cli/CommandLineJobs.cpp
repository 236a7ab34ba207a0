#include "CommandLineJobs.h"

#include <QStringList>
#include <QTextStream>
#include <cstdio>
#include <cstring>

#include "CommandLineJobSetup.h"
#include "ConvertCommand.h"
#include "InfoCommand.h"
#include "VistalHelp.h"

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
        std::fputs(vistalHelpText, stdout);
        return 0;
    }
    setUpCommandLineJob();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return job == CommandLineJob::Info ? runInfoCommand(arguments, out, err, netcdf)
                                       : runConvertCommand(arguments, out, err, netcdf);
}
