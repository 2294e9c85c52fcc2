// The presentation's sharp enlargement: one row of 32-bit pixels widened by a whole factor, each pixel
// repeated; taller steps copy the widened row.
#pragma once

#include <cstddef>
#include <cstdint>

namespace plat {

// Writes width * scale pixels to `to` (scale >= 1); the two rows must not overlap.
void widen_row(const uint32_t* from, uint32_t* to, int32_t width, int32_t scale);
// The same row into `rows` rows pitch bytes apart, every register stored to each, so that no row is read
// back to copy it.
void widen_row_into(const uint32_t* from, uint8_t* to, ptrdiff_t pitch, int32_t rows, int32_t width,
                    int32_t scale);

} // namespace plat
