#pragma once
#include <optional>

// What each program does first. A write past a file-size limit then fails with its reason,
// which the program reports, instead of the signal ending it halfway; "--version" among the
// arguments prints `versionText`. Returns the exit code when the program is done by then.
std::optional<int> startProgram(const char* program, const char* versionText, int argc,
                                char* argv[]);
