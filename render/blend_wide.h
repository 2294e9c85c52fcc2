// The 32-byte (AVX2) row loops of the blend blitters, compiled apart with AVX2 enabled, and the switch that
// sends rows to them only on processors that have AVX2. Both loops give the same integers.
#pragma once

#include "render/blend_kinds.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace blend {

// The rules that have 32-byte loops (blend_wide.cpp makes one for each of them in every format with 2- or
// 4-byte pixels): the five kinds'. Any other rule on the blend frame runs in the 16-byte loops.
template <class Rule>
constexpr bool has_wide_blocks =
    std::is_same_v<Rule, quarter_rule> || std::is_same_v<Rule, half_rule> ||
    std::is_same_v<Rule, alpha_rule> || std::is_same_v<Rule, tint_rule> || std::is_same_v<Rule, add_rule>;

// The pixels of format F in one 32-byte register: the narrowest row the 32-byte loops draw.
template <class F> constexpr int32_t wide_step = 32 / int32_t(sizeof(typename F::pixel_t));

// Whether this processor runs AVX2 code.
bool processor_has_wide_rows();

// Whether blitters use the 32-byte loops: set once from the processor; the tests turn it off to run the
// 16-byte loops on any machine.
extern bool wide_rows;

// Draws `rows` rows of n pixels (n at least wide_step<F>), the rows pitch bytes apart, under a rule that
// has_wide_blocks, skipping key pixels. Call only when processor_has_wide_rows().
template <class F, class Rule>
void draw_wide_rows(const Rule& rule, const uint8_t* s, ptrdiff_t source_pitch, uint8_t* d,
                    ptrdiff_t destination_pitch, int32_t n, int32_t rows, uint32_t key);

} // namespace blend
