#pragma once
#include <cstring>

// Whether "--version" stands among the arguments (the program's name not counted).
inline bool asksForVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0) return true;
    return false;
}
