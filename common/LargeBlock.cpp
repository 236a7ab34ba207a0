#include "LargeBlock.h"

#include <algorithm>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t hugePage = std::size_t(2) << 20;

}  // namespace

void* allocateLargeBlock(std::size_t bytes) {
    bytes = std::max<std::size_t>(bytes, 1);
    void* block = nullptr;
    if (bytes >= 2 * hugePage) {
        const std::size_t rounded = (bytes + hugePage - 1) / hugePage * hugePage;
        block = std::aligned_alloc(hugePage, rounded);
#ifdef MADV_HUGEPAGE
        if (block) madvise(block, rounded, MADV_HUGEPAGE);
#endif
    } else {
        block = std::malloc(bytes);
    }
    if (!block) throw std::bad_alloc();
    return block;
}
