#pragma once
// Parts of a program kept in shared libraries of their own (the window, the netCDF reader), so
// that command-line jobs start without loading the libraries they do not use.
#include <string>

// The address of `symbol` in the module file `name` (e.g. "vistal-window.so"), which is loaded
// on first use and stays loaded. Modules lie next to the program's executable or, installed, in
// the folder TOLMAR_MODULE_DIR relative to it. Null, with the reason in `error`, when the
// module cannot be found or loaded or lacks the symbol.
void* programModuleSymbol(const std::string& name, const char* symbol, std::string& error);

// Runs the function `entry`, a main() of the module file `name`, with the program's arguments.
// A module that cannot be loaded is reported on standard error with the program's name, and
// ends the program with exit code 1.
int runProgramModule(const char* program, const std::string& name, const char* entry, int argc,
                     char* argv[]);

// Marks the functions a module offers to its program.
#define TOLMAR_MODULE_ENTRY extern "C" __attribute__((visibility("default")))
