#pragma once
// Parts of a program kept in shared libraries of their own (the window, the netCDF reader), so
// that command-line jobs start without loading the libraries they do not use.
#include <string>

// The address of `symbol` in the module file `name` (e.g. "vistal-window.so"), which is loaded
// on first use and stays loaded. Modules lie next to the program's executable or, installed, in
// the folder TOLMAR_MODULE_DIR relative to it. Null, with the reason in `error`, when the
// module cannot be found or loaded or lacks the symbol.
void* programModuleSymbol(const std::string& name, const char* symbol, std::string& error);

// Marks the functions a module offers to its program.
#define TOLMAR_MODULE_ENTRY extern "C" __attribute__((visibility("default")))
