// The 32-byte blend loops: whole rows in the blocks of blend_rows.h made for 32-byte registers, in the one
// file built with AVX2. Only types of that width are instantiated here, so none of this file's code can
// stand in for the 16-byte or one-pixel code that the other files share.
#include "render/blend_wide.h"
#include "render/blend_rows.h"

#if defined(__SSE2__)
#if !defined(__AVX2__)
#error "this file is built with AVX2 enabled"
#endif

namespace blend {

namespace {

// Rows from this many registers up have their blocks laid on the destination's 32-byte boundaries: a
// register that straddles two cache lines costs nearly twice as much, which outweighs the one register more
// that the two ends then take.
constexpr int32_t aligned_row_blocks = 8;

// One row of n >= wide_step<F> pixels in whole registers. Pixels before the first block and after the last
// come from one register at each end of the row, which overlaps its neighbour. Both ends are worked out
// before anything in the row is stored and are stored last: every overlapped pixel then gets the same value
// twice, from the same source and destination pixels.
template <class F, class Rule>
void draw_wide_row(const Rule& rule, const uint8_t* s, uint8_t* d, int32_t n, uint32_t key) {
    using ops = simd<32>;
    constexpr int32_t size = sizeof(typename F::pixel_t);
    constexpr int32_t step = wide_step<F>;
    const ops::reg key_vector = ops::broadcast<8 * size>(key);
    auto block = [&](int32_t at) {
        const ops::reg sv = ops::load(s + at * size);
        const ops::reg dv = ops::load(d + at * size);
        const ops::reg r = vector_rule(rule, F{}, sv, dv);
        return keep_keyed<F>(sv, dv, r, key_vector);
    };
    const auto first =
        n >= aligned_row_blocks * step ? int32_t((0 - reinterpret_cast<uintptr_t>(d)) % 32 / size) : 0;
    const int32_t last = first + (n - first) / step * step;
    const ops::reg head = first > 0 ? block(0) : ops::zero();
    const ops::reg tail = last < n ? block(n - step) : ops::zero();
    draw_blocks<32, F>(rule, s + first * size, d + first * size, last - first, key);
    if (first > 0) {
        ops::store(d, head);
    }
    if (last < n) {
        ops::store(d + (n - step) * size, tail);
    }
}

} // namespace

template <class F, class Rule>
void draw_wide_rows(const Rule& shared_rule, const uint8_t* s, ptrdiff_t source_pitch, uint8_t* d,
                    ptrdiff_t destination_pitch, int32_t n, int32_t rows, uint32_t key) {
    // A copy of its own: the pixel stores could alias the caller's rule and make every block reload it.
    const Rule rule = shared_rule;
    for (int32_t row = 0; row < rows; ++row) {
        draw_wide_row<F>(rule, s + row * source_pitch, d + row * destination_pitch, n, key);
    }
}

// Every kind that has_wide_blocks, in every format with 2- or 4-byte pixels.
// clang-format off
#define BLEND_WIDE_KIND(F, Rule) \
    template void draw_wide_rows<F, Rule>(const Rule&, const uint8_t*, ptrdiff_t, uint8_t*, ptrdiff_t, \
                                          int32_t, int32_t, uint32_t);
#define BLEND_WIDE_FORMAT(F) \
    BLEND_WIDE_KIND(F, quarter_rule) \
    BLEND_WIDE_KIND(F, half_rule) \
    BLEND_WIDE_KIND(F, alpha_rule) \
    BLEND_WIDE_KIND(F, tint_rule) \
    BLEND_WIDE_KIND(F, add_rule)
// clang-format on

BLEND_WIDE_FORMAT(format_565)
BLEND_WIDE_FORMAT(format_a555)
BLEND_WIDE_FORMAT(format_555a)
BLEND_WIDE_FORMAT(format_a444)
BLEND_WIDE_FORMAT(format_444a)
BLEND_WIDE_FORMAT(format_a888)
BLEND_WIDE_FORMAT(format_888a)

#undef BLEND_WIDE_FORMAT
#undef BLEND_WIDE_KIND

} // namespace blend

#endif
