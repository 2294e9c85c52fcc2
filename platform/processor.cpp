// The processor questions, compiled for the baseline instruction set so that they run anywhere. The
// compiler's runtime also checks that the system saves the wider registers.
#include "platform/processor.h"

namespace plat {

bool processor_has_avx2() {
#if defined(__SSE2__)
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

bool processor_has_avx512bw() {
#if defined(__SSE2__)
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512bw");
#else
    return false;
#endif
}

} // namespace plat
