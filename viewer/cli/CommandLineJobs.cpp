#include "CommandLineJobs.h"

#include <unistd.h>

#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <cstdio>
#include <cstring>

#include "CommandLineJobSetup.h"
#include "ConvertCommand.h"
#include "InfoCommand.h"
#include "StandardOutput.h"
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
        return tolmar::finishStandardOutput("vistal", 0);
    }
    setUpCommandLineJob();
    // Written straight to the descriptor, so that a failed write keeps the system's reason.
    QFile standardOutput;
    standardOutput.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered,
                        QFileDevice::DontCloseHandle);
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    int code = job == CommandLineJob::Info ? runInfoCommand(arguments, out, err, netcdf)
                                           : runConvertCommand(arguments, out, err, netcdf);
    out.flush();
    if (standardOutput.error() != QFileDevice::NoError || out.status() != QTextStream::Ok) {
        err << "vistal: standard output could not be written: " << standardOutput.errorString()
            << "\n";
        err.flush();
        code = 1;
    }
    return tolmar::finishStandardOutput("vistal", code);
}
