#include "ProgramStart.h"

#include <csignal>
#include <cstdio>
#include <cstring>

#include "StandardOutput.h"

std::optional<int> startProgram(const char* program, const char* versionText, int argc,
                                char* argv[]) {
    std::signal(SIGXFSZ, SIG_IGN);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs(versionText, stdout);
            return tolmar::finishStandardOutput(program, 0);
        }
    }
    return std::nullopt;
}
