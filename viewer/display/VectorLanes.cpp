#include "VectorLanes.h"

namespace {

bool detectAvx2() {
#if defined(__x86_64__)
    __builtin_cpu_init();  // may run before the runtime's own constructors
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

}  // namespace

bool ProcessorHasAvx2() {
    static const bool hasAvx2 = detectAvx2();
    return hasAvx2;
}
