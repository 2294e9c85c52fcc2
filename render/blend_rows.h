// The inner loops of the blend blitters: one row of pixels, or of 16-bit pixel pairs, under a rule.
#pragma once

#include "render/blend_fast.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace blend {

template <class F> uint32_t load(const uint8_t* p) {
    typename F::pixel_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <class F> void store(uint8_t* p, uint32_t value) {
    const auto v = typename F::pixel_t(value);
    std::memcpy(p, &v, sizeof v);
}

// One pixel: a key pixel leaves the destination unread and unwritten.
template <class F, class Rule> void draw_pixel(const Rule& rule, const uint8_t* s, uint8_t* d, uint32_t key) {
    const uint32_t sp = load<F>(s);
    if (sp != key) {
        store<F>(d, rule(F{}, sp, load<F>(d)));
    }
}

template <class F, class Rule> uint32_t pair_half(const Rule& rule, uint32_t s, uint32_t d, uint32_t key) {
    return s == key ? d : rule(F{}, s, d) & 0xFFFF;
}

// Two 16-bit pixels moved as one 32-bit word, the left pixel in the low half. The word is written back even
// when both halves are key pixels.
template <class F, class Rule> void draw_pair(const Rule& rule, const uint8_t* s, uint8_t* d, uint32_t key) {
    static_assert(std::endian::native == std::endian::little, "the left pixel of a pair is its low half");
    uint32_t sw;
    uint32_t dw;
    std::memcpy(&sw, s, 4);
    std::memcpy(&dw, d, 4);
    const uint32_t out =
        pair_half<F>(rule, sw & 0xFFFF, dw & 0xFFFF, key) | pair_half<F>(rule, sw >> 16, dw >> 16, key) << 16;
    std::memcpy(d, &out, 4);
}

// Whole registers of Bytes bytes from the start of a row of n pixels; returns how many pixels they held.
// The rule is a copy of its own: the pixel stores could alias the caller's, and make every block reload it.
template <int Bytes, class F, class Rule>
int32_t draw_blocks(const Rule rule, const uint8_t* s, uint8_t* d, int32_t n, uint32_t key) {
    using ops = simd<Bytes>;
    constexpr int32_t size = sizeof(typename F::pixel_t);
    constexpr int32_t step = Bytes / size;
    const typename ops::reg key_vector = ops::template broadcast<8 * size>(key);
    // Inlined at every call, so that what the rule makes of its weight is made once per row.
    auto block = [&](int32_t at) __attribute__((always_inline)) {
        const typename ops::reg sv = ops::load(s + at * size);
        const typename ops::reg dv = ops::load(d + at * size);
        const typename ops::reg r = vector_rule(rule, F{}, sv, dv);
        store_unkeyed<F>(d + at * size, sv, dv, r, key_vector);
    };
    // Two blocks a turn keep the loop's own instructions out of the way of the arithmetic.
    int32_t i = 0;
    for (; i + 2 * step <= n; i += 2 * step) {
        block(i);
        block(i + step);
    }
    if (i + step <= n) {
        block(i);
        i += step;
    }
    return i;
}

// n pixels of a 1- or 4-byte format, or n pixels (n even) of a 2-byte format taken in pairs.
template <class F, class Rule>
void draw_row(const Rule rule, const uint8_t* s, uint8_t* d, int32_t n, uint32_t key) {
    constexpr int32_t size = sizeof(typename F::pixel_t);
    int32_t i = 0;
#if defined(__SSE2__)
    if constexpr (size > 1) {
        i = draw_blocks<16, F>(rule, s, d, n, key);
    }
#endif
    if constexpr (size == 2) {
        for (; i < n; i += 2) {
            draw_pair<F>(rule, s + i * size, d + i * size, key);
        }
    } else {
        for (; i < n; ++i) {
            draw_pixel<F>(rule, s + i * size, d + i * size, key);
        }
    }
}

} // namespace blend
