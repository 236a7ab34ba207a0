#pragma once
// Linara's jobs without a window: --info TABLE [--values] and --help.
#include <string>
#include <vector>

// True when the arguments ask for a job without a window (any option but --screenshot);
// otherwise they are tables for the window.
bool isLinaraCommandLineJob(const std::vector<std::string>& arguments);

// Runs the job the arguments (without the program name) ask for and returns the exit code:
// 0 on success, 1 on bad arguments or a table that cannot be read. Standard output text goes
// to `out`, messages to `err`.
int runLinaraCommandLine(const std::vector<std::string>& arguments, std::string& out,
                         std::string& err);
