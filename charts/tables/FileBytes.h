#pragma once
// The whole content of a file in memory.
#include <cstddef>
#include <string>
#include <string_view>

#include "LargeBlock.h"

class FileBytes {
public:
    // Reads the file; throws TableFileError with the reason when it cannot be opened or read.
    explicit FileBytes(const std::string& fileName);

    std::string_view view() const { return {bytes_.get(), size_}; }

private:
    LargeBlock<char> bytes_;
    std::size_t size_ = 0;
};
