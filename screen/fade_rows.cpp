// The fade's rows: the 16-byte loops (the baseline instruction set), the choice of loop width and the
// pixels left after the whole registers.
#include "screen/fade_rows.h"
#include "platform/processor.h"
#include "screen/fade.h"
#include "umlib/pixel_formats.h"

namespace {

const bool has_avx2 = plat::processor_has_avx2();

} // namespace

bool fade_wide_rows = has_avx2;

void fade_row_565(uint16_t* row, int32_t n, uint16_t colour, int32_t weight) {
    int32_t x = fade_wide_rows && has_avx2 ? fade_blocks_565_wide(row, n, colour, weight)
                                           : fade_blocks_565<16>(row, n, colour, weight);
    for (; x < n; ++x) {
        row[x] = fade_pixel_565(row[x], colour, weight);
    }
}

template <class F> void fade_row(typename F::pixel_t* row, int32_t n, uint32_t colour, int32_t weight) {
    int32_t x = fade_wide_rows && has_avx2 ? fade_blocks_wide<F>(row, n, colour, weight)
                                           : fade_blocks<16, F>(row, n, colour, weight);
    for (; x < n; ++x) {
        row[x] = typename F::pixel_t(fade_pixel<F>(row[x], colour, weight));
    }
}

#define FADE_ROW(F) template void fade_row<F>(F::pixel_t*, int32_t, uint32_t, int32_t);
FADE_ROW(blend::format_8)
FADE_ROW(blend::format_565)
FADE_ROW(blend::format_a555)
FADE_ROW(blend::format_555a)
FADE_ROW(blend::format_a444)
FADE_ROW(blend::format_444a)
FADE_ROW(blend::format_a888)
FADE_ROW(blend::format_888a)
