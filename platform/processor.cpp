// The processor questions, compiled for the baseline instruction set so that they run anywhere. The
// compiler's runtime also checks that the system saves the wider registers.
#include "platform/processor.h"

#if defined(__SSE2__)
#include <cpuid.h>
#endif

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

bool processor_masked_store_slow() {
#if defined(__SSE2__)
    __builtin_cpu_init();
    return __builtin_cpu_is("amd");
#else
    return false;
#endif
}

bool processor_halves_wide_registers() {
#if defined(__SSE2__)
    constexpr unsigned family_19h = 0x19;
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!processor_masked_store_slow() || !processor_has_avx512bw() || !__get_cpuid(1, &a, &b, &c, &d)) {
        return false;
    }
    // The family is the base field (bits 8-11) plus, when that is 15, the extended one (bits 20-27).
    const unsigned base = (a >> 8) & 0xF;
    return (base == 0xF ? base + ((a >> 20) & 0xFF) : base) == family_19h;
#else
    return false;
#endif
}

bool masked_stores = !processor_masked_store_slow();

} // namespace plat
