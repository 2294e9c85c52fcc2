// 16-bit pixels to 32-bit pixels whose channels are 8 bits wide, eight at a time: the conversion that
// presentation runs over the whole picture every frame.
#pragma once

#include <cstdint>

namespace plat {

// Where one channel sits: its bits in the 16-bit pixel (width 0 to 8), and the byte of the 32-bit pixel that
// its 8 bits fill (to_shift 0, 8, 16 or 24).
struct spread_channel_t {
    int32_t shift = 0;
    int32_t width = 0;
    int32_t to_shift = 0;
};

// Each channel widened to 8 bits by repeating its bits, as rgb_of_pixel does; a channel of width 0 is 0.
void spread_row_16(const uint8_t* from, uint8_t* to, int32_t count, const spread_channel_t (&channels)[3]);

} // namespace plat
