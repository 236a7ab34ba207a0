#pragma once
#include <algorithm>
#include <bit>
#include <cstring>

// The binary grids are little-endian whatever machine reads or writes them.

template <typename T>
T readLittleEndian(const char* bytes) {
    char copy[sizeof(T)];
    std::memcpy(copy, bytes, sizeof(T));
    if constexpr (std::endian::native == std::endian::big) std::reverse(copy, copy + sizeof(T));
    T value;
    std::memcpy(&value, copy, sizeof(T));
    return value;
}

template <typename T>
void writeLittleEndian(T value, char* bytes) {
    std::memcpy(bytes, &value, sizeof(T));
    if constexpr (std::endian::native == std::endian::big) std::reverse(bytes, bytes + sizeof(T));
}

// Turns a block of values read from or written to a file into the other byte order
// on big-endian machines; nothing to do on little-endian ones.
template <typename T>
void swapToLittleEndian(T* values, std::size_t count) {
    if constexpr (std::endian::native == std::endian::big) {
        for (std::size_t i = 0; i < count; ++i) {
            char* bytes = reinterpret_cast<char*>(values + i);
            std::reverse(bytes, bytes + sizeof(T));
        }
    } else {
        (void)values;
        (void)count;
    }
}
