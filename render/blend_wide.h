// The 32-byte (AVX2) and 64-byte (AVX-512BW) row loops of the blend blitters, each compiled apart with its
// instruction set enabled, and the setting that sends rows to the widest the processor runs. Every width
// gives the same integers.
#pragma once

#include "render/blend_kinds.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace blend {

// The rules that have whole-row loops (blend_wide_rows.h makes one for each of them in every format with 2-
// or 4-byte pixels): the five kinds'. Any other rule on the blend frame runs in the 16-byte loops.
template <class Rule>
constexpr bool has_wide_blocks =
    std::is_same_v<Rule, quarter_rule> || std::is_same_v<Rule, half_rule> ||
    std::is_same_v<Rule, alpha_rule> || std::is_same_v<Rule, tint_rule> || std::is_same_v<Rule, add_rule>;

// The pixels of format F in one register of Bytes bytes: the narrowest row the loops of that width draw.
template <int Bytes, class F> constexpr int32_t wide_step = Bytes / int32_t(sizeof(typename F::pixel_t));

// The widest registers this processor's blend loops can use: 16, 32 or 64 bytes.
int32_t processor_row_bytes();

// The register width the blitters' row loops use: set once from the processor; the tests lower it to run
// the narrower loops on any machine.
extern int32_t row_bytes;

// Whether the processor runs each 64-byte register operation as two 32-byte halves: set once from the
// processor, the tests turn it off. There 64-byte rows pay only for the rules that do much arithmetic per
// byte (measured: kind C in every format, kinds A and E in 16-bit pixels); the others keep to 32 bytes.
extern bool halved_registers;
template <class Rule, class F>
constexpr bool wide_rows_pay_when_halved = std::is_same_v<Rule, alpha_rule> ||
                                           (sizeof(typename F::pixel_t) == 2 &&
                                            (std::is_same_v<Rule, quarter_rule> ||
                                             std::is_same_v<Rule, add_rule>));

// Draws `rows` rows of n pixels (n at least wide_step<Bytes, F>), the rows pitch bytes apart, under a rule
// that has_wide_blocks, skipping key pixels. Bytes is 32 or 64; call only when processor_row_bytes() is at
// least Bytes.
template <int Bytes, class F, class Rule>
void draw_wide_rows(const Rule& rule, const uint8_t* s, ptrdiff_t source_pitch, uint8_t* d,
                    ptrdiff_t destination_pitch, int32_t n, int32_t rows, uint32_t key);

} // namespace blend
