// The 32-byte (AVX2) row loops of the blend blitters, compiled apart with AVX2 enabled, and the switch that
// sends rows to them only on processors that have AVX2. Both loops give the same integers.
#pragma once

#include "render/blend_kinds.h"

#include <cstdint>
#include <type_traits>

namespace blend {

// The rules that have 32-byte loops (blend_wide.cpp makes one for each of them in every format with 2- or
// 4-byte pixels): the five kinds'. Any other rule on the blend frame runs in the 16-byte loops.
template <class Rule>
constexpr bool has_wide_blocks =
    std::is_same_v<Rule, quarter_rule> || std::is_same_v<Rule, half_rule> ||
    std::is_same_v<Rule, alpha_rule> || std::is_same_v<Rule, tint_rule> || std::is_same_v<Rule, add_rule>;

// Whether this processor runs AVX2 code.
bool processor_has_wide_rows();

// Whether rows start with the 32-byte loops: set once from the processor; the tests turn it off to run the
// 16-byte loops on any machine.
extern bool wide_rows;

// Whole 32-byte registers from the start of a row of n pixels of a 2- or 4-byte format (n even in a 2-byte
// format); returns how many pixels they held. Call only for a rule that has_wide_blocks, and only when
// processor_has_wide_rows().
template <class F, class Rule>
int32_t draw_wide_blocks(const Rule& rule, const uint8_t* s, uint8_t* d, int32_t n, uint32_t key);

} // namespace blend
