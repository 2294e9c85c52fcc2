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

// Kind C per channel in 16-bit lanes: the rule's (s * 256 + (d - s) * a) >> 8 is s + floor((d - s) * a /
// 256), and the signed high half of (d - s) * 128 times 2a is that floor, both factors staying inside 16
// bits.
inline __m128i weighted_step(__m128i sc, __m128i dc, __m128i twice_weight) {
    return _mm_add_epi16(sc, _mm_mulhi_epi16(_mm_slli_epi16(_mm_sub_epi16(dc, sc), 7), twice_weight));
}

inline __m128i twice_weight(const alpha_rule& rule) {
    return _mm_set1_epi16(int16_t(2 * rule.weight));
}

// Kind C in 8-bit channels: the even and the odd bytes each in the low half of a 16-bit lane.
template <class F>
requires(sizeof(typename F::pixel_t) == 4) __m128i
    vector_rule(const alpha_rule& rule, F, __m128i s, __m128i d) {
    const __m128i weight = twice_weight(rule);
    const __m128i low_bytes = _mm_set1_epi16(0x00FF);
    const __m128i even = weighted_step(_mm_and_si128(s, low_bytes), _mm_and_si128(d, low_bytes), weight);
    const __m128i odd = weighted_step(_mm_srli_epi16(s, 8), _mm_srli_epi16(d, 8), weight);
    return _mm_and_si128(_mm_or_si128(even, _mm_slli_epi16(odd, 8)),
                         _mm_set1_epi32(int32_t(channel_bits<F>)));
}

// Kind C in 5-6-5: the channels taken out with the fewest masks the layout allows.
inline __m128i vector_rule(const alpha_rule& rule, format_565, __m128i s, __m128i d) {
    const __m128i weight = twice_weight(rule);
    const __m128i five = _mm_set1_epi16(0x1F);
    const __m128i six = _mm_set1_epi16(0x3F);
    const __m128i red = weighted_step(_mm_srli_epi16(s, 11), _mm_srli_epi16(d, 11), weight);
    const __m128i green = weighted_step(_mm_and_si128(_mm_srli_epi16(s, 5), six),
                                        _mm_and_si128(_mm_srli_epi16(d, 5), six), weight);
    const __m128i blue = weighted_step(_mm_and_si128(s, five), _mm_and_si128(d, five), weight);
    return _mm_or_si128(_mm_or_si128(_mm_slli_epi16(red, 11), _mm_slli_epi16(green, 5)), blue);
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
