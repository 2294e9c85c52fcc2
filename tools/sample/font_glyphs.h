// Two small bitmap fonts for the sample font sheets: 5 x 7 glyphs and 3 x 5 glyphs, every printable
// ASCII code, plus the name-entry marks at codes 2 (space) and 3 (end) and, in 5 x 7, the typing cursor
// block at code 0.
#pragma once

#include <cstdint>

struct glyph_font_t {
    int32_t width;
    int32_t height;
    // The glyph's row y as a string of '#' (set) and '.'; null for a code without a glyph.
    const char* (*row)(uint8_t code, int32_t y);
};

extern const glyph_font_t font_5x7;
extern const glyph_font_t font_3x5;
