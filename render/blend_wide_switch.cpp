// Chooses the 32-byte blend loops once. Compiled without AVX2, so that the question itself runs anywhere.
#include "render/blend_wide.h"

namespace blend {

bool processor_has_wide_rows() {
#if defined(__SSE2__)
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

bool wide_rows = processor_has_wide_rows();

} // namespace blend
