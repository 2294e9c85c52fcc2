// The presentation's sharp enlargement: one row of 32-bit pixels widened by a whole factor, each pixel
// repeated; taller steps copy the widened row.
#pragma once

#include <cstdint>

namespace plat {

// Writes width * scale pixels to `to` (scale >= 1); the two rows must not overlap.
void widen_row(const uint32_t* from, uint32_t* to, int32_t width, int32_t scale);

} // namespace plat
