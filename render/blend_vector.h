// The blend rules over SSE2 registers: lane types on which the rules of blend_kinds.h run unchanged, and the
// general step that applies a rule to 16 bytes of pixels. Each lane computes what the rule computes for one
// pixel in a 32-bit word; 16-bit lanes are used only where no intermediate value needs more than 16 bits.
#pragma once

#include "render/blend_kinds.h"

#if defined(__SSE2__)
#include <emmintrin.h>

namespace blend {

template <int Bits> struct lanes_t {
    static_assert(Bits == 16 || Bits == 32);

    lanes_t(__m128i value) : v(value) {}
    lanes_t(uint32_t constant)
        : v(Bits == 32 ? _mm_set1_epi32(int32_t(constant)) : _mm_set1_epi16(int16_t(constant))) {}

    friend lanes_t operator&(lanes_t a, lanes_t b) { return _mm_and_si128(a.v, b.v); }
    friend lanes_t operator|(lanes_t a, lanes_t b) { return _mm_or_si128(a.v, b.v); }
    friend lanes_t operator^(lanes_t a, lanes_t b) { return _mm_xor_si128(a.v, b.v); }
    friend lanes_t operator+(lanes_t a, lanes_t b) {
        return Bits == 32 ? _mm_add_epi32(a.v, b.v) : _mm_add_epi16(a.v, b.v);
    }
    friend lanes_t operator-(lanes_t a, lanes_t b) {
        return Bits == 32 ? _mm_sub_epi32(a.v, b.v) : _mm_sub_epi16(a.v, b.v);
    }
    friend lanes_t operator<<(lanes_t a, int n) {
        return Bits == 32 ? _mm_slli_epi32(a.v, n) : _mm_slli_epi16(a.v, n);
    }
    friend lanes_t operator>>(lanes_t a, int n) {
        return Bits == 32 ? _mm_srli_epi32(a.v, n) : _mm_srli_epi16(a.v, n);
    }

    // The rules multiply only channel differences (-255..255) by weights (0..256). In 32-bit lanes one
    // multiply-add with a zero upper half gives the signed 32-bit product; in 16-bit lanes the low 16 bits of
    // the product are all that the rule's final sum, which lies in 0..65535, depends on.
    friend lanes_t times_weight(lanes_t difference, int32_t weight) {
        return Bits == 32 ? _mm_madd_epi16(difference.v, _mm_set1_epi32(weight))
                          : _mm_mullo_epi16(difference.v, _mm_set1_epi16(int16_t(weight)));
    }

    __m128i v;
};

// Whether a rule computes the same in 16-bit lanes as in a 32-bit word for 16-bit pixels. The saturating
// sum needs the carry out of bit 15.
template <class Rule> constexpr bool fits_16_bit_lanes = true;
template <> constexpr bool fits_16_bit_lanes<add_rule> = false;

// The low 16 bits of each 32-bit lane of lo and hi, packed into eight 16-bit lanes.
inline __m128i narrow(__m128i lo, __m128i hi) {
    lo = _mm_srai_epi32(_mm_slli_epi32(lo, 16), 16);
    hi = _mm_srai_epi32(_mm_slli_epi32(hi, 16), 16);
    return _mm_packs_epi32(lo, hi);
}

// The rule on 16 bytes of source and destination pixels, key pixels not yet excluded. Faster exact forms
// for some rules and formats are in blend_fast.h.
template <class Rule, class F> __m128i vector_rule(const Rule& rule, F, __m128i s, __m128i d) {
    if constexpr (sizeof(typename F::pixel_t) == 4) {
        return rule(F{}, lanes_t<32>(s), lanes_t<32>(d)).v;
    } else if constexpr (fits_16_bit_lanes<Rule>) {
        static_assert(sizeof(typename F::pixel_t) == 2);
        return rule(F{}, lanes_t<16>(s), lanes_t<16>(d)).v;
    } else {
        const __m128i zero = _mm_setzero_si128();
        const lanes_t<32> lo =
            rule(F{}, lanes_t<32>(_mm_unpacklo_epi16(s, zero)), lanes_t<32>(_mm_unpacklo_epi16(d, zero)));
        const lanes_t<32> hi =
            rule(F{}, lanes_t<32>(_mm_unpackhi_epi16(s, zero)), lanes_t<32>(_mm_unpackhi_epi16(d, zero)));
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
