// Faster forms of some blend rules over SIMD registers of either width, each giving exactly what the
// general form in blend_vector.h gives (the tests hold them to the one-pixel rules).
#pragma once

#include "render/blend_vector.h"

#include <bit>
#include <type_traits>

#if defined(__SSE2__)

namespace blend {

template <class F> constexpr uint32_t channel_bits = F::red_mask | F::green_mask | F::blue_mask;

// Kind A: floor((3s + d) / 4) equals floor((s + floor((s + d) / 2)) / 2), so two packed averages give every
// channel at once; masking clears the spare bits the averages keep.
template <class F, class V> V vector_rule(const quarter_rule&, F, V s, V d) {
    using W = pixel_lanes_t<F, V>;
    const W source(s);
    return (packed_average<F>(source, packed_average<F>(source, W(d))) & channel_bits<F>).v;
}

// Kind A in 8-bit channels: the same two averages with the byte average of the instruction set, which
// rounds up; on inverted bytes it gives the inverse of the average rounded down.
template <class F, class V>
requires(sizeof(typename F::pixel_t) == 4) V vector_rule(const quarter_rule&, F, V s, V d) {
    using ops = simd<sizeof(V)>;
    const V ones = ops::template broadcast<32>(0xFFFFFFFFu);
    const V inverse_s = ops::bit_xor(s, ones);
    const V inverse_half = ops::average_bytes(inverse_s, ops::bit_xor(d, ones));
    return ops::and_not(ops::average_bytes(inverse_s, inverse_half),
                        ops::template broadcast<32>(channel_bits<F>));
}

// Kind C in 16-bit lanes. The rule's sum X = s * 256 + (d - s) * a is also d * 256 + (s - d) * (256 - a),
// so each channel's result X >> 8 is the base's channel plus a step: with base s, floor((d - s) * a / 256),
// which is the signed high half of (s - d) times -256a, for a up to 128; with base d, floor((s - d) * (256 -
// a) / 256), the high half of (s - d) times 256 (256 - a), for a above 128. The factor stays inside 16 bits
// either way. Every channel's base plus step lies inside the channel, so the steps, shifted to their
// channels, can be added to the whole base pixel without carrying into a neighbour.
template <int Bytes> struct weighted_steps_t {
    using ops = simd<Bytes>;
    using V = typename ops::reg;

    explicit weighted_steps_t(const alpha_rule& rule)
        : from_destination(rule.weight > 128),
          factor(from_destination ? 256 * (256 - rule.weight) : -256 * rule.weight) {}

    V base(V s, V d) const { return from_destination ? d : s; }

    // The step of channel values sc and dc that stand 2^k times their value in the lanes, times 2^k, with
    // the fraction of the product in the k bits below: floor of 2^k times the exact step.
    V step(V sc, V dc) const {
        const V f = ops::template broadcast<16>(uint32_t(factor));
        return ops::multiply_high_signed_16(ops::template sub<16>(sc, dc), f);
    }

    bool from_destination;
    int32_t factor;
};

// Kind C in 8-bit channels: the even and the odd bytes each in the low half of a 16-bit lane; the spare
// byte's own sum is cleared at the end. Both forms of kind C are inlined into the row loops, so that the
// weight's registers are made once per row, not once per block.
template <class F, class V>
requires(sizeof(typename F::pixel_t) == 4) [[gnu::always_inline]] inline V
    vector_rule(const alpha_rule& rule, F, V s, V d) {
    using ops = simd<sizeof(V)>;
    const weighted_steps_t<sizeof(V)> steps(rule);
    const V low_bytes = ops::template broadcast<16>(0x00FF);
    const V even = steps.step(ops::bit_and(s, low_bytes), ops::bit_and(d, low_bytes));
    const V odd = steps.step(ops::template shift_right<16>(s, 8), ops::template shift_right<16>(d, 8));
    const V sum = ops::template add<16>(ops::template add<16>(steps.base(s, d), even),
                                        ops::template shift_left<16>(odd, 8));
    return ops::bit_and(sum, ops::template broadcast<32>(channel_bits<F>));
}

// Kind C in 16-bit pixels. A channel whose bits lie below the top bit is taken where it lies: the difference
// (s AND mask) - (d AND mask) fits 16 signed bits, and clearing the bits below the channel from its step
// leaves the whole step in place, since floor(floor(2^k x) / 2^k) = floor(x). The top channel is moved down
// and back. The sum keeps the base's spare bits, which are then cleared.
template <class F, class V>
requires(sizeof(typename F::pixel_t) == 2) [[gnu::always_inline]] inline V
    vector_rule(const alpha_rule& rule, F, V s, V d) {
    using ops = simd<sizeof(V)>;
    const weighted_steps_t<sizeof(V)> steps(rule);
    auto step = [&](uint32_t mask, int shift) {
        if (mask < 0x8000) {
            const V bits = ops::template broadcast<16>(mask);
            const V placed = steps.step(ops::bit_and(s, bits), ops::bit_and(d, bits));
            return shift == 0 ? placed : ops::bit_and(placed, ops::template broadcast<16>(0xFFFFu << shift));
        }
        // A channel at the top of the pixel needs no mask once it is moved down.
        auto down = [&](V p) {
            const V moved = ops::template shift_right<16>(p, shift);
            return mask >> shift << shift == (0xFFFF & ~0u << shift)
                       ? moved
                       : ops::bit_and(moved, ops::template broadcast<16>(mask >> shift));
        };
        return ops::template shift_left<16>(steps.step(down(s), down(d)), shift);
    };
    const V red = step(F::red_mask, F::red_shift);
    const V green = step(F::green_mask, F::green_shift);
    const V blue = step(F::blue_mask, F::blue_shift);
    const V sum = ops::template add<16>(ops::template add<16>(steps.base(s, d), red),
                                        ops::template add<16>(green, blue));
    if constexpr (channel_bits<F> == 0xFFFF) {
        return sum;
    } else {
        return ops::bit_and(sum, ops::template broadcast<16>(channel_bits<F>));
    }
}

// Kind E with the spare byte above the channels: saturated bytes for the channels, and the spare bytes
// summed modulo 256, as the packed rule leaves them.
template <class V> V vector_rule(const add_rule&, format_a888, V s, V d) {
    using ops = simd<sizeof(V)>;
    const V spare = ops::template broadcast<32>(0xFF000000u);
    return ops::bit_or(ops::and_not(spare, ops::add_saturated_bytes(s, d)),
                       ops::bit_and(spare, ops::add_bytes(s, d)));
}

// Kind E with the spare byte below the channels: that byte is dropped.
template <class V> V vector_rule(const add_rule&, format_888a, V s, V d) {
    using ops = simd<sizeof(V)>;
    return ops::bit_and(ops::add_saturated_bytes(s, d), ops::template broadcast<32>(0xFFFFFF00u));
}

// Kind E in 5-6-5: per channel, the source's channel plus the destination with every other bit set,
// saturated at 0xFFFF, is all ones but for that channel's saturated sum. The three ANDed give the pixel.
template <class V> V vector_rule(const add_rule&, format_565, V s, V d) {
    using ops = simd<sizeof(V)>;
    auto channel = [&](uint32_t bits) {
        return ops::add_saturated_16(ops::bit_and(s, ops::template broadcast<16>(bits)),
                                     ops::bit_or(d, ops::template broadcast<16>(~bits)));
    };
    return ops::bit_and(ops::bit_and(channel(0xF800), channel(0x07E0)), channel(0x001F));
}

// Kind E in the other 16-bit formats: the packed rule's m OR (ds + ss - m) in 16-bit lanes, m the masks of
// the channels whose own bits carry out. With the spare bits above the channels, ds + ss - m keeps each
// channel's sum less its mask inside the channel, so a carry counted from the channel below as well changes
// nothing: it tips a channel over only where the channel's sum is all ones, which the mask gives too; the
// carries are then read from the plain sum, by XOR with both terms. Spare bits below can carry into the
// channels, so there the rule's own carry sum (ds AND ss) x 2 + ((ds XOR ss) AND average_mask) is taken, at
// half, so that a top channel's carry at bit 16 fits the lane: its terms are even, and those formats move
// carries down by a plain shift, each carry at half one place less.
template <class F, class W> [[gnu::always_inline]] inline W carries_down(W ds, W ss, W sum) {
    if constexpr (F::blue_shift == 0) {
        static_assert(F::carry_mask < 0x10000, "every carry inside the lane");
        return F::carry_down((sum ^ ds ^ ss) & W(F::carry_mask));
    } else {
        constexpr int down = std::countr_zero(F::carry_mask) - std::countr_zero(F::carry_down(F::carry_mask));
        static_assert(F::carry_down(F::carry_mask) == F::carry_mask >> down);
        const W half = (ds & ss) + (((ds ^ ss) & W(F::average_mask)) >> 1);
        return (half & W(F::carry_mask >> 1)) >> (down - 1);
    }
}

template <class F, class V>
requires(sizeof(typename F::pixel_t) == 2 && !std::is_same_v<F, format_565>) V
    vector_rule(const add_rule&, F, V s, V d) {
    using W = lanes_t<16, sizeof(V)>;
    const W ds(d), ss(s);
    const W sum = ds + ss;
    const W m = (carries_down<F>(ds, ss, sum) + W(F::carry_fill)) ^ W(F::carry_fill);
    return (m | (sum - m)).v;
}

} // namespace blend

#endif
