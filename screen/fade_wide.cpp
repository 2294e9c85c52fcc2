// The fade's 32-byte loops, in the one screen file built with AVX2.
#include "screen/fade.h"
#include "screen/fade_rows.h"
#include "umlib/pixel_formats.h"

#if defined(__SSE2__) && !defined(__AVX2__)
#error "this file is built with AVX2 enabled"
#endif

int32_t fade_blocks_565_wide(uint16_t* row, int32_t n, uint16_t colour, int32_t weight) {
    return fade_blocks_565<32>(row, n, colour, weight);
}

template <class F>
int32_t fade_blocks_wide(typename F::pixel_t* row, int32_t n, uint32_t colour, int32_t weight) {
    return fade_blocks<32, F>(row, n, colour, weight);
}

#define FADE_BLOCKS(F) template int32_t fade_blocks_wide<F>(F::pixel_t*, int32_t, uint32_t, int32_t);
FADE_BLOCKS(blend::format_8)
FADE_BLOCKS(blend::format_565)
FADE_BLOCKS(blend::format_a555)
FADE_BLOCKS(blend::format_555a)
FADE_BLOCKS(blend::format_a444)
FADE_BLOCKS(blend::format_444a)
FADE_BLOCKS(blend::format_a888)
FADE_BLOCKS(blend::format_888a)
