// The blend rules over SIMD registers: lane types on which the rules of blend_kinds.h run unchanged, and the
// general step that applies a rule to a register of pixels. Each lane computes what the rule computes for one
// pixel in a 32-bit word; 16-bit lanes are used only where no intermediate value needs more than 16 bits.
// Everything here is written for 16- and 32-byte registers alike (blend_registers.h).
#pragma once

#include "render/blend_kinds.h"
#include "render/blend_registers.h"

#if defined(__SSE2__)

namespace blend {

template <int Bits, int Bytes = 16> struct lanes_t {
    static_assert(Bits == 16 || Bits == 32);
    using ops = simd<Bytes>;
    using reg = typename ops::reg;

    lanes_t(reg value) : v(value) {}
    lanes_t(uint32_t constant) : v(ops::template broadcast<Bits>(constant)) {}

    friend lanes_t operator&(lanes_t a, lanes_t b) { return ops::bit_and(a.v, b.v); }
    friend lanes_t operator|(lanes_t a, lanes_t b) { return ops::bit_or(a.v, b.v); }
    friend lanes_t operator^(lanes_t a, lanes_t b) { return ops::bit_xor(a.v, b.v); }
    friend lanes_t operator+(lanes_t a, lanes_t b) { return ops::template add<Bits>(a.v, b.v); }
    friend lanes_t operator-(lanes_t a, lanes_t b) { return ops::template sub<Bits>(a.v, b.v); }
    friend lanes_t operator<<(lanes_t a, int n) { return ops::template shift_left<Bits>(a.v, n); }
    friend lanes_t operator>>(lanes_t a, int n) { return ops::template shift_right<Bits>(a.v, n); }

    // The rules multiply only channel differences (-255..255) by weights (0..256). In 32-bit lanes one
    // multiply-add with a zero upper half gives the signed 32-bit product; in 16-bit lanes the low 16 bits of
    // the product are all that the rule's final sum, which lies in 0..65535, depends on.
    friend lanes_t times_weight(lanes_t difference, int32_t weight) {
        const reg w = ops::template broadcast<Bits>(uint32_t(weight));
        return Bits == 32 ? ops::multiply_add_16(difference.v, w) : ops::multiply_low_16(difference.v, w);
    }

    reg v;
};

// The lanes of one pixel each for format F in register V.
template <class F, class V> using pixel_lanes_t = lanes_t<8 * sizeof(typename F::pixel_t), sizeof(V)>;

// Whether a rule computes the same in 16-bit lanes as in a 32-bit word for 16-bit pixels. The saturating
// sum needs the carry out of bit 15.
template <class Rule> constexpr bool fits_16_bit_lanes = true;
template <> constexpr bool fits_16_bit_lanes<add_rule> = false;

// The low 16 bits of each 32-bit lane of lo and hi, packed into 16-bit lanes.
template <class V> V narrow(V lo, V hi) {
    using ops = simd<sizeof(V)>;
    lo = ops::shift_right_signed_32(ops::template shift_left<32>(lo, 16), 16);
    hi = ops::shift_right_signed_32(ops::template shift_left<32>(hi, 16), 16);
    return ops::pack_signed_32(lo, hi);
}

// The rule on a register of source and destination pixels, key pixels not yet excluded. Faster exact forms
// for some rules and formats are in blend_fast.h.
template <class Rule, class F, class V> V vector_rule(const Rule& rule, F, V s, V d) {
    if constexpr (sizeof(typename F::pixel_t) == 4 || fits_16_bit_lanes<Rule>) {
        using W = pixel_lanes_t<F, V>;
        return rule(F{}, W(s), W(d)).v;
    } else {
        using ops = simd<sizeof(V)>;
        using W = lanes_t<32, sizeof(V)>;
        const V zero = ops::zero();
        const W lo = rule(F{}, W(ops::unpack_low_16(s, zero)), W(ops::unpack_low_16(d, zero)));
        const W hi = rule(F{}, W(ops::unpack_high_16(s, zero)), W(ops::unpack_high_16(d, zero)));
        return narrow(lo.v, hi.v);
    }
}

// Stores the rule's result r at p, except where the source holds the key: there p keeps d, its own value.
template <class F, class V> void store_unkeyed(uint8_t* p, V s, V d, V r, V key) {
    simd<sizeof(V)>::template store_unless_equal<8 * sizeof(typename F::pixel_t)>(p, s, key, r, d);
}

} // namespace blend

#endif
