#pragma once
// Memory for large arrays of numbers and text. A block of 4 MB or more lies on 2 MB boundaries
// and is offered huge pages: touching it the first time then costs a few dozen page faults
// instead of one for every 4 KB, which matters most under virtualisation.
#include <cstddef>
#include <cstdlib>
#include <memory>

// At least `bytes` bytes (one when `bytes` is 0), not initialised; throws std::bad_alloc.
void* allocateLargeBlock(std::size_t bytes);

// Releases a block of allocateLargeBlock.
struct FreeLargeBlock {
    void operator()(void* block) const { std::free(block); }
};

template <typename T>
using LargeBlock = std::unique_ptr<T[], FreeLargeBlock>;

// `count` values of type T, not initialised.
template <typename T>
LargeBlock<T> makeLargeBlock(std::size_t count) {
    return LargeBlock<T>(static_cast<T*>(allocateLargeBlock(count * sizeof(T))));
}
