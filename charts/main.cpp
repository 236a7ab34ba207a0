// The chart viewer's command line: jobs that need no window (--info, --help).
#include <cstdio>
#include <string>
#include <vector>

#include "LinaraCommandLine.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string out;
    std::string err;
    const int code = runLinaraCommandLine(arguments, out, err);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    if (std::fflush(stdout) != 0) {
        std::fprintf(stderr, "linara: standard output could not be written\n");
        return 1;
    }
    return code;
}
