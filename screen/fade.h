// The screen fades: every pixel of an area moved toward a colour by a weight in 256ths, one rule per
// drawing format (the format traits of the blend blitters), with 5-6-5 keeping its own biased rule.
#pragma once

#include "platform/types.h"

#include <cstdint>

namespace umlib {
class surface_t;
}

// One channel of c' = (c x 256 + (t - c) x weight) >> 8, back in place; bits beyond the mask are dropped.
inline uint32_t fade_channel(uint32_t pixel, uint32_t colour, uint32_t mask, int shift, int32_t weight) {
    const int32_t c = int32_t((pixel & mask) >> shift);
    const int32_t t = int32_t((colour & mask) >> shift);
    return (uint32_t((c * 256 + (t - c) * weight) >> 8) << shift) & mask;
}

// The pixel of format F faded toward colour; the spare bits become 0, and the 8-bit format has no
// channels, so its pixels become 0.
template <class F> uint32_t fade_pixel(uint32_t pixel, uint32_t colour, int32_t weight) {
    if constexpr (!F::has_channels) {
        return 0;
    } else {
        return fade_channel(pixel, colour, F::red_mask, F::red_shift, weight) |
               fade_channel(pixel, colour, F::green_mask, F::green_shift, weight) |
               fade_channel(pixel, colour, F::blue_mask, F::blue_shift, weight);
    }
}

// 5-6-5: c' = c + floor((t - c + 64) x weight / 256) - floor(weight / 4), the bias keeping every lane
// of the four-pixel form positive.
uint16_t fade_pixel_565(uint16_t pixel, uint16_t colour, int32_t weight);

// n pixels of a row by that rule, a register of them at a time; at full weight the row takes the colour.
void fade_row_565(uint16_t* row, int32_t n, uint16_t colour, int32_t weight);
// n pixels of a row of format F by fade_pixel, a register of them at a time.
template <class F> void fade_row(typename F::pixel_t* row, int32_t n, uint32_t colour, int32_t weight);

// The row loops by register width: the 32-byte ones where the processor has AVX2, unless the tests turn
// fade_wide_rows off. The wide forms do the whole registers of a row and return how many pixels they held.
extern bool fade_wide_rows;
int32_t fade_blocks_565_wide(uint16_t* row, int32_t n, uint16_t colour, int32_t weight);
template <class F>
int32_t fade_blocks_wide(typename F::pixel_t* row, int32_t n, uint32_t colour, int32_t weight);

// Fades area of the surface (clipped to it); a surface that does not lock is left alone. The 5-6-5
// form works in groups of four pixels a row, so a remainder of the width stays unchanged.
void fade_area_565(umlib::surface_t* surface, const plat::rect_t& area, uint32_t colour, int32_t weight);
// The other drawing formats, by pixel_format_code; a code without a routine changes nothing.
void fade_area(int32_t format_code, umlib::surface_t* surface, const plat::rect_t& area, uint32_t colour,
               int32_t weight);
