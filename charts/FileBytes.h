#pragma once
// The whole content of a file in memory.
#include <string>

// Throws TableFileError with the reason when the file cannot be opened or read.
std::string readFileBytes(const std::string& fileName);
