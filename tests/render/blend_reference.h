// What each blend kind makes of one pixel, worked out channel by channel from the formats' bit fields,
// independently of the packed arithmetic the blitters use.
#pragma once

#include <cstdint>

namespace blend_test {

enum class kind_t { quarter, half, alpha, tint, add };

// The result of a kind for source s over destination d in the format with the given code. parameter is the
// weight of kind C (0..256) or the colour of kind D.
uint32_t reference_pixel(int32_t code, kind_t kind, uint32_t parameter, uint32_t s, uint32_t d);

// The bits of a format that no channel uses.
uint32_t spare_bits(int32_t code);

} // namespace blend_test
