// The 32-byte blend loops, in the one file built with AVX2.
#if defined(__SSE2__)
#if !defined(__AVX2__)
#error "this file is built with AVX2 enabled"
#endif

#include "render/blend_wide_rows.h"

namespace blend {

BLEND_WIDE_ROWS(32)

} // namespace blend

#endif
