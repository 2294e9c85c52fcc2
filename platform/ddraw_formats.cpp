// The pixel formats of displays: the desktop's and the full-screen modes' depths.
#include "platform/ddraw.h"

namespace plat {

namespace {

pixel_format_t masked(uint32_t bits, uint32_t r, uint32_t g, uint32_t b) {
    pixel_format_t f;
    f.flags = ddpf_rgb;
    f.rgb_bit_count = bits;
    f.r_bit_mask = r;
    f.g_bit_mask = g;
    f.b_bit_mask = b;
    return f;
}

} // namespace

pixel_format_t pixel_format_565() {
    return masked(16, 0xF800, 0x07E0, 0x001F);
}

pixel_format_t pixel_format_x888() {
    return masked(32, 0x00FF0000, 0x0000FF00, 0x000000FF);
}

pixel_format_t pixel_format_of_depth(int bits_per_pixel) {
    switch (bits_per_pixel) {
    case 8: {
        pixel_format_t f;
        f.flags = ddpf_rgb | ddpf_paletteindexed8;
        f.rgb_bit_count = 8;
        return f;
    }
    case 15:
        return masked(16, 0x7C00, 0x03E0, 0x001F);
    case 16:
        return pixel_format_565();
    case 24:
        return masked(24, 0x00FF0000, 0x0000FF00, 0x000000FF);
    default:
        return pixel_format_x888();
    }
}

} // namespace plat
