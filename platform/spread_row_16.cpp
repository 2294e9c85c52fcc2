#include "platform/spread_row_16.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace plat {

namespace {

// Repeating w bits up to 8 is one multiplication by 1 + 2^w + 2^2w ... and a shift down; every product
// stays below 2^16, so the vector form works in 16-bit lanes.
struct spread_t {
    uint32_t shift = 0;
    uint32_t mask = 0;
    uint32_t times = 0;
    uint32_t down = 0;
    uint32_t to_shift = 0;

    constexpr explicit spread_t(const spread_channel_t& c)
        : shift(uint32_t(c.shift)), to_shift(uint32_t(c.to_shift)) {
        if (c.width <= 0) {
            return;
        }
        mask = (1u << c.width) - 1;
        uint32_t bits = 0;
        for (; bits < 8; bits += uint32_t(c.width)) {
            times = times << c.width | 1;
        }
        down = bits - 8;
    }
    uint32_t operator()(uint32_t raw) const { return (((raw >> shift) & mask) * times >> down) << to_shift; }
};

#if defined(__SSE2__)
// The channels gather in the low and high 16-bit halves of the output pixels, which two unpacks join.

// A channel known only at run time: shift counts in registers; a shift by 16 clears the channel from the
// half it does not belong to.
struct any_channel_t {
    __m128i shift, mask, times, down, low_up, high_up;

    explicit any_channel_t(const spread_t& s) {
        const bool high = s.to_shift >= 16;
        shift = _mm_cvtsi32_si128(int(s.shift));
        mask = _mm_set1_epi16(int16_t(s.mask));
        times = _mm_set1_epi16(int16_t(s.times));
        down = _mm_cvtsi32_si128(int(s.down));
        low_up = _mm_cvtsi32_si128(high ? 16 : int(s.to_shift));
        high_up = _mm_cvtsi32_si128(high ? int(s.to_shift) - 16 : 16);
    }
    void add(__m128i raw, __m128i& low, __m128i& high) const {
        const __m128i v = _mm_and_si128(_mm_srl_epi16(raw, shift), mask);
        const __m128i wide = _mm_srl_epi16(_mm_mullo_epi16(v, times), down);
        low = _mm_or_si128(low, _mm_sll_epi16(wide, low_up));
        high = _mm_or_si128(high, _mm_sll_epi16(wide, high_up));
    }
};

// A channel of the common layouts, fixed when compiled: immediate shifts run several times faster.
template <int shift, int width, int to_shift> struct fixed_channel_t {
    static constexpr spread_t s{spread_channel_t{shift, width, to_shift}};

    static bool matches(const spread_channel_t& c) {
        return c.shift == shift && c.width == width && c.to_shift == to_shift;
    }
    void add(__m128i raw, __m128i& low, __m128i& high) const {
        __m128i v = _mm_srli_epi16(raw, shift);
        if constexpr (shift + width < 16) {
            v = _mm_and_si128(v, _mm_set1_epi16(int16_t(s.mask)));
        }
        const __m128i wide =
            _mm_srli_epi16(_mm_mullo_epi16(v, _mm_set1_epi16(int16_t(s.times))), int(s.down));
        __m128i& half = to_shift >= 16 ? high : low;
        half = _mm_or_si128(half, _mm_slli_epi16(wide, to_shift % 16));
    }
};

template <typename red_t, typename green_t, typename blue_t>
int32_t spread_eights(const uint8_t* from, uint8_t* to, int32_t count, const red_t& red, const green_t& green,
                      const blue_t& blue) {
    int32_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m128i raw = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + size_t(i) * 2));
        __m128i low = _mm_setzero_si128(), high = _mm_setzero_si128();
        red.add(raw, low, high);
        green.add(raw, low, high);
        blue.add(raw, low, high);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + size_t(i) * 4), _mm_unpacklo_epi16(low, high));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + size_t(i) * 4 + 16), _mm_unpackhi_epi16(low, high));
    }
    return i;
}

template <typename red_t, typename green_t, typename blue_t>
bool is_layout(const spread_channel_t (&channels)[3]) {
    return red_t::matches(channels[0]) && green_t::matches(channels[1]) && blue_t::matches(channels[2]);
}

int32_t spread_vectors(const uint8_t* from, uint8_t* to, int32_t count, const spread_channel_t (&channels)[3],
                       const spread_t (&spreads)[3]) {
    using blue_t = fixed_channel_t<0, 5, 0>;
    using red_565_t = fixed_channel_t<11, 5, 16>;
    using green_565_t = fixed_channel_t<5, 6, 8>;
    using red_555_t = fixed_channel_t<10, 5, 16>;
    using green_555_t = fixed_channel_t<5, 5, 8>;
    if (is_layout<red_565_t, green_565_t, blue_t>(channels)) {
        return spread_eights(from, to, count, red_565_t{}, green_565_t{}, blue_t{});
    }
    if (is_layout<red_555_t, green_555_t, blue_t>(channels)) {
        return spread_eights(from, to, count, red_555_t{}, green_555_t{}, blue_t{});
    }
    return spread_eights(from, to, count, any_channel_t(spreads[0]), any_channel_t(spreads[1]),
                         any_channel_t(spreads[2]));
}
#else
int32_t spread_vectors(const uint8_t*, uint8_t*, int32_t, const spread_channel_t (&)[3],
                       const spread_t (&)[3]) {
    return 0;
}
#endif

} // namespace

void spread_row_16(const uint8_t* from, uint8_t* to, int32_t count, const spread_channel_t (&channels)[3]) {
    const spread_t spreads[3] = {spread_t(channels[0]), spread_t(channels[1]), spread_t(channels[2])};
    for (int32_t i = spread_vectors(from, to, count, channels, spreads); i < count; ++i) {
        uint16_t raw;
        std::memcpy(&raw, from + size_t(i) * 2, 2);
        const uint32_t p = spreads[0](raw) | spreads[1](raw) | spreads[2](raw);
        std::memcpy(to + size_t(i) * 4, &p, 4);
    }
}

} // namespace plat
