// The chart viewer: a window over the result tables of the command line, or a job without a
// window. --info and --help run on the table reader alone; the window, --render and --export
// live in the module linara-window.so, so that a job loads the GUI libraries only when it draws.
#include <cstdio>
#include <string>
#include <vector>

#include "LinaraCommandLine.h"
#include "LinaraHelp.h"
#include "ProgramModule.h"
#include "ProgramStart.h"
#include "StandardOutput.h"

namespace {

int runJob(const std::vector<std::string>& arguments) {
    std::string out;
    std::string err;
    const int code = runLinaraCommandLine(arguments, out, err);
    const std::string failure = tolmar::writeStandardOutput(out);
    std::fwrite(err.data(), 1, err.size(), stderr);
    if (!failure.empty()) {
        std::fprintf(stderr, "linara: standard output could not be written: %s\n", failure.c_str());
        return 1;
    }
    return tolmar::finishStandardOutput("linara", code);
}

int runWindowModule(const char* entry, int argc, char* argv[]) {
    return runProgramModule("linara", "linara-window.so", entry, argc, argv);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const auto done = startProgram("linara", linaraVersionText, argc, argv)) return *done;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (isLinaraRenderJob(arguments))
        return tolmar::finishStandardOutput("linara",
                                            runWindowModule("linaraRenderMain", argc, argv));
    if (isLinaraExportJob(arguments))
        return tolmar::finishStandardOutput("linara",
                                            runWindowModule("linaraExportMain", argc, argv));
    if (isLinaraCommandLineJob(arguments)) return runJob(arguments);
    return runWindowModule("linaraWindowMain", argc, argv);
}
