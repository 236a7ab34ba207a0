#pragma once
// Standard output of the command-line jobs, checked: a job whose output cannot be written
// (a full disk, a closed pipe, /dev/full) must not end as if it had succeeded.
#include <string>
#include <string_view>

namespace tolmar {

// Writes the bytes to standard output after what the C stream holds. Empty on success,
// otherwise the system's reason.
std::string writeStandardOutput(std::string_view bytes);

// Flushes and closes standard output (the C stream and its descriptor). Empty on success,
// otherwise the reason; also fails when an earlier write through the C stream failed.
std::string closeStandardOutput();

// The end of a command-line job that wrote to standard output: closes it and, when that fails,
// reports "PROGRAM: standard output could not be written: REASON" on standard error and
// returns 1; otherwise returns `exitCode`.
int finishStandardOutput(const char* program, int exitCode);

}  // namespace tolmar
