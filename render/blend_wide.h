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

// The register width for pixels of 4 bytes: the widest, but 32 where the processor runs 64-byte registers
// in two halves, whose 64-byte rows of 4-byte pixels measured slower than the 32-byte ones.
int32_t processor_row_bytes_of_4_byte_pixels();

// The register widths the blitters' row loops use for 2- and 4-byte pixels: set once from the processor;
// the tests lower them to run the narrower loops on any machine.
extern int32_t row_bytes;
extern int32_t row_bytes_of_4_byte_pixels;

// Draws `rows` rows of n pixels (n at least wide_step<Bytes, F>), the rows pitch bytes apart, under a rule
// that has_wide_blocks, skipping key pixels. Bytes is 32 or 64; call only when processor_row_bytes() is at
// least Bytes.
template <int Bytes, class F, class Rule>
void draw_wide_rows(const Rule& rule, const uint8_t* s, ptrdiff_t source_pitch, uint8_t* d,
                    ptrdiff_t destination_pitch, int32_t n, int32_t rows, uint32_t key);

} // namespace blend
