// The fade's row loops for registers of Bytes bytes, giving exactly what the one-pixel rules give. Everything
// here has internal linkage, so the AVX2 file's copies can never stand in for those of a baseline file.
#pragma once

#include "screen/fade.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace {

// 16-bit lanes, in which the rule's value (c x (256 - weight) + t x weight) >> 8 for weights 0 to 256 never
// exceeds 255 x 256.
template <int Bytes> struct fade_lanes_t {
    typedef uint16_t lanes_t __attribute__((vector_size(Bytes)));
    typedef uint32_t words_t __attribute__((vector_size(Bytes)));

    static lanes_t load(const void* p) {
        lanes_t v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    static void store(void* p, lanes_t v) { std::memcpy(p, &v, sizeof v); }

    // Every lane v: a scalar operand would be promoted to int, which unoptimised builds refuse to narrow.
    static lanes_t splat(uint16_t v) {
        uint16_t lanes[Bytes / 2];
        for (uint16_t& lane : lanes) {
            lane = v;
        }
        return load(lanes);
    }

    static lanes_t mix(lanes_t c, lanes_t t, lanes_t keep, lanes_t take) {
        return (c * keep + t * take) >> 8;
    }

    // 16-bit pixels, channel by channel.
    template <class F> static lanes_t fade_16(lanes_t p, uint32_t colour, lanes_t keep, lanes_t take) {
        auto channel = [&](uint32_t mask, int shift) {
            const lanes_t t = splat(uint16_t((colour & mask) >> shift));
            return lanes_t(mix((p >> shift) & splat(uint16_t(mask >> shift)), t, keep, take) << shift);
        };
        return channel(F::red_mask, F::red_shift) | channel(F::green_mask, F::green_shift) |
               channel(F::blue_mask, F::blue_shift);
    }

    // 32-bit pixels of 8-bit channels: the even and the odd bytes each in the low half of a lane.
    template <class F> static lanes_t fade_32(lanes_t p, uint32_t colour, lanes_t keep, lanes_t take) {
        const lanes_t c = lanes_t(words_t{} + colour);
        const lanes_t even = mix(p & 0xFF, c & 0xFF, keep, take);
        const lanes_t odd = mix(p >> 8, c >> 8, keep, take);
        return lanes_t(words_t(even | odd << 8) & (F::red_mask | F::green_mask | F::blue_mask));
    }

    // floor(d x weight / 256) as the high half of d times 256 weight, for d x weight below 2^16.
    static lanes_t times_weight(lanes_t d, lanes_t weight_256) {
#if defined(__SSE2__)
        if constexpr (Bytes == 16) {
            return lanes_t(_mm_mulhi_epu16(__m128i(d), __m128i(weight_256)));
        }
#endif
#if defined(__AVX2__)
        if constexpr (Bytes == 32) {
            return lanes_t(_mm256_mulhi_epu16(__m256i(d), __m256i(weight_256)));
        }
#endif
        return d * (weight_256 >> 8) >> 8;
    }

    // 5-6-5 by its own rule, for weights 0 to 255: (t - c + 64) x weight lies in 0..32512. Each channel's
    // result c + q - bias lies in 0..mask (q - bias is within one of (t - c) x weight / 256), so the
    // channels' sums c + q, shifted to their places, can be added and the biases taken from the whole pixel
    // at once. The middle channel is worked where it lies, 32 times its value; the bits below it that the
    // product leaves are masked away.
    static lanes_t fade_565(lanes_t p, uint16_t colour, lanes_t weight_256, lanes_t biases) {
        auto sum = [&](lanes_t c, uint32_t t) {
            return c + times_weight(splat(uint16_t(t)) - c, weight_256);
        };
        const lanes_t red = sum(p >> 11, (colour >> 11) + 64u) << 11;
        const lanes_t green = sum(p & 0x07E0, ((colour >> 5 & 0x3F) + 64u) << 5) & 0xFFE0;
        const lanes_t blue = sum(p & 0x001F, (colour & 0x1Fu) + 64u);
        return red + green + blue - biases;
    }
};

// Whole registers from the start of a row of n pixels; returns how many pixels they held.
template <int Bytes, class F>
int32_t fade_blocks(typename F::pixel_t* row, int32_t n, uint32_t colour, int32_t weight) {
    using L = fade_lanes_t<Bytes>;
    using lanes_t = typename L::lanes_t;
    constexpr int32_t step = Bytes / int32_t(sizeof(typename F::pixel_t));
    int32_t x = 0;
    if constexpr (F::has_channels && sizeof(typename F::pixel_t) > 1) {
        if (weight < 0 || weight > 256) {
            return 0;
        }
        const lanes_t keep = L::splat(uint16_t(256 - weight)), take = L::splat(uint16_t(weight));
        for (; x + step <= n; x += step) {
            if constexpr (sizeof(typename F::pixel_t) == 2) {
                L::store(row + x, L::template fade_16<F>(L::load(row + x), colour, keep, take));
            } else {
                L::store(row + x, L::template fade_32<F>(L::load(row + x), colour, keep, take));
            }
        }
    }
    return x;
}

template <int Bytes> int32_t fade_blocks_565(uint16_t* row, int32_t n, uint16_t colour, int32_t weight) {
    using L = fade_lanes_t<Bytes>;
    using lanes_t = typename L::lanes_t;
    constexpr int32_t step = Bytes / 2;
    int32_t x = 0;
    if (weight == 256) {
        // Every channel lands on the colour's: c + (t - c + 64) - 64.
        const lanes_t fill = L::splat(colour);
        for (; x + step <= n; x += step) {
            L::store(row + x, fill);
        }
    } else if (weight >= 0 && weight < 256) {
        const auto bias = uint16_t(weight >> 2);
        const lanes_t w = L::splat(uint16_t(weight << 8));
        const lanes_t biases = L::splat(uint16_t((bias << 11) + (bias << 5) + bias));
        for (; x + step <= n; x += step) {
            L::store(row + x, L::fade_565(L::load(row + x), colour, w, biases));
        }
    }
    return x;
}

} // namespace
