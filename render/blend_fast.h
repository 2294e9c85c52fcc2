// Faster forms of some blend rules over SSE2 registers, each giving exactly what the general form in
// blend_vector.h gives (the tests hold them to the one-pixel rules).
#pragma once

#include "render/blend_vector.h"

#if defined(__SSE2__)

namespace blend {

template <class F> using pixel_lanes_t = lanes_t<8 * sizeof(typename F::pixel_t)>;

template <class F> constexpr uint32_t channel_bits = F::red_mask | F::green_mask | F::blue_mask;

// Kind A: floor((3s + d) / 4) equals floor((s + floor((s + d) / 2)) / 2), so two packed averages give every
// channel at once; masking clears the spare bits the averages keep.
template <class F> __m128i vector_rule(const quarter_rule&, F, __m128i s, __m128i d) {
    using W = pixel_lanes_t<F>;
    const W source(s);
    return (packed_average<F>(source, packed_average<F>(source, W(d))) & channel_bits<F>).v;
}

// Kind A in 8-bit channels: the same two averages with the byte average of the instruction set, which
// rounds up; on inverted bytes it gives the inverse of the average rounded down.
template <class F>
requires(sizeof(typename F::pixel_t) == 4) __m128i vector_rule(const quarter_rule&, F, __m128i s, __m128i d) {
    const __m128i ones = _mm_set1_epi32(-1);
    const __m128i inverse_s = _mm_xor_si128(s, ones);
    const __m128i inverse_half = _mm_avg_epu8(inverse_s, _mm_xor_si128(d, ones));
    return _mm_andnot_si128(_mm_avg_epu8(inverse_s, inverse_half), _mm_set1_epi32(int32_t(channel_bits<F>)));
}

// Kind C in 8-bit channels: each byte widened to a 16-bit lane, where the rule's sum (0..65280) is exact.
template <class F>
requires(sizeof(typename F::pixel_t) == 4) __m128i
    vector_rule(const alpha_rule& rule, F, __m128i s, __m128i d) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i weight = _mm_set1_epi16(int16_t(rule.weight));
    auto mix = [weight](__m128i sc, __m128i dc) {
        const __m128i product = _mm_mullo_epi16(_mm_sub_epi16(dc, sc), weight);
        return _mm_srli_epi16(_mm_add_epi16(_mm_slli_epi16(sc, 8), product), 8);
    };
    const __m128i lo = mix(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero));
    const __m128i hi = mix(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero));
    return _mm_and_si128(_mm_packus_epi16(lo, hi), _mm_set1_epi32(int32_t(channel_bits<F>)));
}

// Kind E with the spare byte above the channels: saturated bytes for the channels, and the spare bytes
// summed modulo 256, as the packed rule leaves them.
inline __m128i vector_rule(const add_rule&, format_a888, __m128i s, __m128i d) {
    const __m128i spare = _mm_set1_epi32(int32_t(0xFF000000u));
    return _mm_or_si128(_mm_andnot_si128(spare, _mm_adds_epu8(s, d)),
                        _mm_and_si128(spare, _mm_add_epi8(s, d)));
}

// Kind E with the spare byte below the channels: that byte is dropped.
inline __m128i vector_rule(const add_rule&, format_888a, __m128i s, __m128i d) {
    return _mm_and_si128(_mm_adds_epu8(s, d), _mm_set1_epi32(int32_t(0xFFFFFF00u)));
}

// Kind E in 5-6-5: each channel moved to the top of a 16-bit lane saturates there.
inline __m128i vector_rule(const add_rule&, format_565, __m128i s, __m128i d) {
    const __m128i red_bits = _mm_set1_epi16(int16_t(0xF800));
    const __m128i green_top = _mm_set1_epi16(int16_t(0xFC00));
    const __m128i red =
        _mm_and_si128(_mm_adds_epu16(_mm_and_si128(s, red_bits), _mm_and_si128(d, red_bits)), red_bits);
    const __m128i green = _mm_adds_epu16(_mm_and_si128(_mm_slli_epi16(s, 5), green_top),
                                         _mm_and_si128(_mm_slli_epi16(d, 5), green_top));
    const __m128i blue = _mm_adds_epu16(_mm_slli_epi16(s, 11), _mm_slli_epi16(d, 11));
    return _mm_or_si128(_mm_or_si128(red, _mm_srli_epi16(_mm_and_si128(green, green_top), 5)),
                        _mm_srli_epi16(blue, 11));
}

} // namespace blend

#endif
