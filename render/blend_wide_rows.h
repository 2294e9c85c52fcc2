// The whole-row blend loops for 32- and 64-byte registers: the blocks of blend_rows.h laid over a row with
// both ends overlapped. Included only by the files built with the matching instruction set, which
// instantiate only types of their own width, so none of their code can stand in for the 16-byte or
// one-pixel code that the other files share.
#pragma once

#include "render/blend_rows.h"
#include "render/blend_wide.h"

namespace blend {

namespace wide {

// Rows from this many registers up have their blocks laid on the destination's register boundaries: a
// register that straddles two cache lines costs nearly twice as much, which outweighs the one register more
// that the two ends then take.
constexpr int32_t aligned_row_blocks = 8;

// One row of n >= wide_step pixels in whole registers. Pixels before the first block and after the last
// come from one register at each end of the row, which overlaps its neighbour. Both ends are worked out
// before anything in the row is stored and are stored last: every overlapped pixel then gets the same value
// twice, from the same source and destination pixels. Inlined into the loop over rows, so that the registers
// a rule makes of its parameters are made once per blit, which matters for small sprites.
template <int Bytes, class F, class Rule>
[[gnu::always_inline]] inline void draw_row(const Rule& rule, const uint8_t* s, uint8_t* d, int32_t n,
                                            uint32_t key) {
    using ops = simd<Bytes>;
    constexpr int32_t size = sizeof(typename F::pixel_t);
    constexpr int32_t step = wide_step<Bytes, F>;
    const typename ops::reg key_vector = ops::template broadcast<8 * size>(key);
    struct block_t {
        typename ops::reg s, d, r;
    };
    auto block = [&](int32_t at) {
        const typename ops::reg sv = ops::load(s + at * size);
        const typename ops::reg dv = ops::load(d + at * size);
        return block_t{sv, dv, vector_rule(rule, F{}, sv, dv)};
    };
    auto store = [&](int32_t at, const block_t& b) {
        store_unkeyed<F>(d + at * size, b.s, b.d, b.r, key_vector);
    };
    const auto first =
        n >= aligned_row_blocks * step ? int32_t((0 - reinterpret_cast<uintptr_t>(d)) % Bytes / size) : 0;
    const int32_t last = first + (n - first) / step * step;
    const block_t head = first > 0 ? block(0) : block_t{};
    const block_t tail = last < n ? block(n - step) : block_t{};
    draw_blocks<Bytes, F>(rule, s + first * size, d + first * size, last - first, key);
    if (first > 0) {
        store(0, head);
    }
    if (last < n) {
        store(n - step, tail);
    }
}

} // namespace wide

template <int Bytes, class F, class Rule>
void draw_wide_rows(const Rule& shared_rule, const uint8_t* s, ptrdiff_t source_pitch, uint8_t* d,
                    ptrdiff_t destination_pitch, int32_t n, int32_t rows, uint32_t key) {
    // A copy of its own: the pixel stores could alias the caller's rule and make every block reload it.
    const Rule rule = shared_rule;
    for (int32_t row = 0; row < rows; ++row) {
        wide::draw_row<Bytes, F>(rule, s + row * source_pitch, d + row * destination_pitch, n, key);
    }
}

} // namespace blend

// Every kind that has_wide_blocks, in every format with 2- or 4-byte pixels, for registers of Bytes bytes.
// clang-format off
#define BLEND_WIDE_KIND(Bytes, F, Rule) \
    template void draw_wide_rows<Bytes, F, Rule>(const Rule&, const uint8_t*, ptrdiff_t, uint8_t*, ptrdiff_t, \
                                                 int32_t, int32_t, uint32_t);
#define BLEND_WIDE_FORMAT(Bytes, F) \
    BLEND_WIDE_KIND(Bytes, F, quarter_rule) \
    BLEND_WIDE_KIND(Bytes, F, half_rule) \
    BLEND_WIDE_KIND(Bytes, F, alpha_rule) \
    BLEND_WIDE_KIND(Bytes, F, tint_rule) \
    BLEND_WIDE_KIND(Bytes, F, add_rule)
#define BLEND_WIDE_ROWS(Bytes) \
    BLEND_WIDE_FORMAT(Bytes, format_565) \
    BLEND_WIDE_FORMAT(Bytes, format_a555) \
    BLEND_WIDE_FORMAT(Bytes, format_555a) \
    BLEND_WIDE_FORMAT(Bytes, format_a444) \
    BLEND_WIDE_FORMAT(Bytes, format_444a) \
    BLEND_WIDE_FORMAT(Bytes, format_a888) \
    BLEND_WIDE_FORMAT(Bytes, format_888a)
// clang-format on
