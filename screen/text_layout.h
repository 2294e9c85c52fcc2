// Where the glyphs of a text or a number go on the character grid of a font sheet: codes to sheet
// cells, text cells to pixels, and the cell of every character, digit, pad and sign.
#pragma once

#include "platform/types.h"

#include <cstdint>

constexpr int32_t font_cells_per_row = 8;

struct glyph_placement_t {
    plat::rect_t source; // the glyph's cell on the sheet
    plat::point_t at;    // its top-left pixel on the layer
};

// Places glyph code at text cell (col, row) of a font with the given cell size: the cell in sheet
// column code & 7 and row code >> 3, drawn at (col x cell width, row x (cell height + 1)), so rows of
// text lie one pixel further apart than the cells are high. False, and nothing to draw, when the cell
// is empty or not wholly on the sheet, or the pixel lies beyond any layer's coordinates.
bool place_glyph(uint8_t code, int32_t col, int32_t row, int32_t cell_width, int32_t cell_height,
                 const plat::rect_t& sheet, glyph_placement_t& out);

struct text_cursor_t {
    int32_t col;
    int32_t row;
};

// Calls place(col, row, code) for each code of the text that has a glyph and returns the cell after
// the last character. A line feed returns to the starting column one row down; codes 128 to 255
// take a cell without a glyph.
template <class Place> text_cursor_t layout_text(int32_t col, int32_t row, const char* text, Place place) {
    text_cursor_t at{col, row};
    for (const auto* p = reinterpret_cast<const uint8_t*>(text); *p != 0; ++p) {
        if (*p == '\n') {
            at.row += 1;
            at.col = col;
            continue;
        }
        if (*p < 128) {
            place(at.col, at.row, *p);
        }
        at.col += 1;
    }
    return at;
}

enum class number_glyph_t { digit, pad, sign };

// Calls place(col, row, code, kind) for each glyph of a right-aligned decimal number whose last digit
// stands at column col + digits; pad ' ' draws no padding; a padded number has its sign at col.
template <class Place>
void layout_number(int32_t col, int32_t row, int32_t value, int32_t digits, char pad, Place place) {
    // The magnitude is taken unsigned so that the most negative value has its digits too.
    uint32_t n = value < 0 ? 0u - uint32_t(value) : uint32_t(value);
    int32_t k = digits;
    do {
        place(col + k, row, uint8_t('0' + n % 10), number_glyph_t::digit);
        k -= 1;
        n /= 10;
    } while (n != 0);
    if (pad != ' ') {
        for (; k > 0; --k) {
            place(col + k, row, uint8_t(pad), number_glyph_t::pad);
        }
    }
    if (value < 0) {
        place(col + k, row, uint8_t('-'), number_glyph_t::sign);
    }
}
