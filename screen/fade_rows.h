// The fade's rows for the drawing formats other than 5-6-5: a register of pixels at a time, giving exactly
// what fade_pixel gives.
#pragma once

#include "screen/fade.h"

#include <cstdint>
#include <cstring>

// The rows of fade_row: 16-bit lanes, in which (c x (256 - weight) + t x weight) >> 8, the rule's value
// for weights 0 to 256, never exceeds 255 x 256.
namespace fade_lanes {
typedef uint16_t lanes_t __attribute__((vector_size(16)));

inline lanes_t mix(lanes_t c, lanes_t t, lanes_t keep, lanes_t take) {
    return (c * keep + t * take) >> 8;
}

// Eight 16-bit pixels, channel by channel.
template <class F> lanes_t fade_16(lanes_t p, uint32_t colour, lanes_t keep, lanes_t take) {
    auto channel = [&](uint32_t mask, int shift) {
        const lanes_t t = lanes_t{} + uint16_t((colour & mask) >> shift);
        return lanes_t(mix((p >> shift) & uint16_t(mask >> shift), t, keep, take) << shift);
    };
    return channel(F::red_mask, F::red_shift) | channel(F::green_mask, F::green_shift) |
           channel(F::blue_mask, F::blue_shift);
}

// Four 32-bit pixels of 8-bit channels: the even and the odd bytes each in the low half of a lane.
template <class F> lanes_t fade_32(lanes_t p, uint32_t colour, lanes_t keep, lanes_t take) {
    typedef uint32_t words_t __attribute__((vector_size(16)));
    const lanes_t c = lanes_t(words_t{} + colour);
    const lanes_t even = mix(p & 0xFF, c & 0xFF, keep, take);
    const lanes_t odd = mix(p >> 8, c >> 8, keep, take);
    return lanes_t(words_t(even | odd << 8) & (F::red_mask | F::green_mask | F::blue_mask));
}
} // namespace fade_lanes

// n pixels of a row of format F faded by fade_pixel, a register of them at a time for weights 0 to 256.
template <class F> void fade_row(typename F::pixel_t* row, int32_t n, uint32_t colour, int32_t weight) {
    using namespace fade_lanes;
    int32_t x = 0;
    if constexpr (F::has_channels && sizeof(typename F::pixel_t) > 1) {
        constexpr int32_t step = int32_t(sizeof(lanes_t) / sizeof(typename F::pixel_t));
        if (weight >= 0 && weight <= 256) {
            const lanes_t keep = lanes_t{} + uint16_t(256 - weight), take = lanes_t{} + uint16_t(weight);
            for (; x + step <= n; x += step) {
                lanes_t p;
                std::memcpy(&p, row + x, sizeof p);
                if constexpr (sizeof(typename F::pixel_t) == 2) {
                    p = fade_16<F>(p, colour, keep, take);
                } else {
                    p = fade_32<F>(p, colour, keep, take);
                }
                std::memcpy(row + x, &p, sizeof p);
            }
        }
    }
    for (; x < n; ++x) {
        row[x] = typename F::pixel_t(fade_pixel<F>(row[x], colour, weight));
    }
}
