// The blend rules over SSE2 registers: a 32-bit-lane word type on which the rules of blend_kinds.h run
// unchanged, and the step that applies a rule to 16 bytes of pixels. 2-byte pixels are widened to 32-bit
// lanes so the arithmetic is exactly that of one pixel in a 32-bit word.
#pragma once

#include "render/blend_kinds.h"

#if defined(__SSE2__)
#include <emmintrin.h>

namespace blend {

struct lanes_t {
    lanes_t(__m128i value) : v(value) {}
    lanes_t(uint32_t constant) : v(_mm_set1_epi32(int32_t(constant))) {}

    __m128i v;
};

inline lanes_t operator&(lanes_t a, lanes_t b) {
    return _mm_and_si128(a.v, b.v);
}
inline lanes_t operator|(lanes_t a, lanes_t b) {
    return _mm_or_si128(a.v, b.v);
}
inline lanes_t operator^(lanes_t a, lanes_t b) {
    return _mm_xor_si128(a.v, b.v);
}
inline lanes_t operator+(lanes_t a, lanes_t b) {
    return _mm_add_epi32(a.v, b.v);
}
inline lanes_t operator-(lanes_t a, lanes_t b) {
    return _mm_sub_epi32(a.v, b.v);
}
inline lanes_t operator<<(lanes_t a, int n) {
    return _mm_slli_epi32(a.v, n);
}
inline lanes_t operator>>(lanes_t a, int n) {
    return _mm_srli_epi32(a.v, n);
}

// The rules multiply only channel differences (-255..255) by weights (0..256), whose products need 16-bit
// factors and a signed 32-bit result: one multiply-add with a zero upper half does it.
inline lanes_t times_weight(lanes_t difference, int32_t weight) {
    return _mm_madd_epi16(difference.v, _mm_set1_epi32(weight));
}

// The low 16 bits of each 32-bit lane of lo and hi, packed into eight 16-bit lanes.
inline __m128i narrow(__m128i lo, __m128i hi) {
    lo = _mm_srai_epi32(_mm_slli_epi32(lo, 16), 16);
    hi = _mm_srai_epi32(_mm_slli_epi32(hi, 16), 16);
    return _mm_packs_epi32(lo, hi);
}

// The rule on 16 bytes of source and destination pixels, key pixels not yet excluded. Formats with a
// faster exact form overload this (blend_fast.h).
template <class Rule, class F> __m128i vector_rule(const Rule& rule, F, __m128i s, __m128i d) {
    if constexpr (sizeof(typename F::pixel_t) == 4) {
        return rule(F{}, lanes_t(s), lanes_t(d)).v;
    } else {
        static_assert(sizeof(typename F::pixel_t) == 2);
        const __m128i zero = _mm_setzero_si128();
        const lanes_t lo =
            rule(F{}, lanes_t(_mm_unpacklo_epi16(s, zero)), lanes_t(_mm_unpacklo_epi16(d, zero)));
        const lanes_t hi =
            rule(F{}, lanes_t(_mm_unpackhi_epi16(s, zero)), lanes_t(_mm_unpackhi_epi16(d, zero)));
        return narrow(lo.v, hi.v);
    }
}

// Where the source holds the key, the destination's own value; elsewhere the rule's result.
template <class F> __m128i keep_keyed(__m128i s, __m128i d, __m128i r, __m128i key) {
    const __m128i hit = sizeof(typename F::pixel_t) == 4 ? _mm_cmpeq_epi32(s, key) : _mm_cmpeq_epi16(s, key);
    return _mm_or_si128(_mm_and_si128(hit, d), _mm_andnot_si128(hit, r));
}

template <class F> __m128i key_lanes(uint32_t key) {
    return sizeof(typename F::pixel_t) == 4 ? _mm_set1_epi32(int32_t(key)) : _mm_set1_epi16(int16_t(key));
}

} // namespace blend

#endif
