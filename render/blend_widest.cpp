// The 64-byte blend loops, in the one file built with AVX-512BW.
#if defined(__SSE2__)
#if !defined(__AVX512BW__)
#error "this file is built with AVX-512BW enabled"
#endif

#include "render/blend_wide_rows.h"

namespace blend {

BLEND_WIDE_ROWS(64)

} // namespace blend

#endif
