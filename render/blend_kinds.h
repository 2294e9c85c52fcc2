// Per-pixel rules of the five blend kinds, each written over a word type W: uint32_t for one pixel, or a
// vector of 32-bit lanes holding one pixel each, with the same unsigned 32-bit arithmetic in every lane.
#pragma once

#include "umlib/pixel_formats.h"

#include <algorithm>
#include <cstdint>

namespace blend {

inline uint32_t times_weight(uint32_t difference, int32_t weight) {
    return difference * uint32_t(weight);
}

// Mixes the three channels one at a time; the spare bits of the result are 0.
template <class F, class W, class Mix> W per_channel(W s, W d, Mix mix) {
    const W red = mix((s & F::red_mask) >> F::red_shift, (d & F::red_mask) >> F::red_shift);
    const W green = mix((s & F::green_mask) >> F::green_shift, (d & F::green_mask) >> F::green_shift);
    const W blue = mix((s & F::blue_mask) >> F::blue_shift, (d & F::blue_mask) >> F::blue_shift);
    return (red << F::red_shift) | (green << F::green_shift) | (blue << F::blue_shift);
}

// floor((a + b) / 2) in every channel of the packed pixels, without carries between channels; the spare
// bits keep a AND b.
template <class F, class W> W packed_average(W a, W b) {
    a = a >> F::packed_shift;
    b = b >> F::packed_shift;
    return ((((a ^ b) & F::average_mask) >> 1) + (a & b)) << F::packed_shift;
}

// Kind A: three quarters source, one quarter destination.
struct quarter_rule {
    template <class F, class W> W operator()(F, W s, W d) const {
        return per_channel<F>(s, d, [](W sc, W dc) { return ((sc << 8) + (dc << 6) - (sc << 6)) >> 8; });
    }
};

// Kind B: average of source and destination.
struct half_rule {
    template <class F, class W> W operator()(F, W s, W d) const { return packed_average<F>(d, s); }
};

// Kind C: the destination weighs weight/256. Weights outside 0..256 would carry into neighbouring channels
// and pixels, so they are held to that range.
struct alpha_rule {
    explicit alpha_rule(int32_t a) : weight(std::clamp(a, 0, 256)) {}

    template <class F, class W> W operator()(F, W s, W d) const {
        const int32_t a = weight;
        return per_channel<F>(s, d, [a](W sc, W dc) { return ((sc << 8) + times_weight(dc - sc, a)) >> 8; });
    }

    int32_t weight;
};

// Kind D: average of the source with a constant packed colour; the destination plays no part.
struct tint_rule {
    template <class F, class W> W operator()(F, W s, W) const { return packed_average<F>(W(colour), s); }

    uint32_t colour;
};

// Kind E: per-channel saturating addition on the packed pixels. The spare bits are summed with the rest.
struct add_rule {
    template <class F, class W> W operator()(F, W s, W d) const {
        if constexpr (!F::has_channels) {
            return W(0u);
        } else {
            const W ds = d >> F::packed_shift;
            const W ss = s >> F::packed_shift;
            const W carries = (((ds & ss) << 1) + ((ds ^ ss) & F::average_mask)) & F::carry_mask;
            const W k = F::carry_down(carries);
            const W m = (k + F::carry_fill) ^ F::carry_fill;
            return (m | ((ds + ss) - m)) << F::packed_shift;
        }
    }
};

} // namespace blend
